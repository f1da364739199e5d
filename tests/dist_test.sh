#!/usr/bin/env bash
# The downloads as a user gets them: each archive in DIST unpacked into the
# empty folder UNPACKED and checked there. The Linux program must be static
# and divide 6 by 3; README.txt in the zip must be UTF-16 with Windows line
# breaks and hold the Russian text. (Wine runs the unpacked figcalc.exe after
# this.)
set -euo pipefail
dist=$1 version=$2 unpacked=$3
linux=figcalc-$version-linux-x86_64 windows=figcalc-$version-win64
rm -rf "$unpacked"
mkdir -p "$unpacked"
cd "$unpacked"
fail() { echo "FAILED: $*"; exit 1; }

tar -xzf "$dist/$linux.tar.gz"
(cd "$linux" && find . -type f | sort) >files
printf '%s\n' ./README.md ./README.ru.md ./bin/figcalc ./share/man/man1/figcalc.1 \
  ./share/man/ru/man1/figcalc.1 | cmp - files ||
  fail "$linux.tar.gz should hold exactly the files above"
file "$linux/bin/figcalc" | grep -q 'statically linked' || fail "figcalc is not static"
printf '1 2 6 3 /' | env -i "$linux/bin/figcalc" >out
printf '%s\n' 'калькулятор чисел (1) площадь и периметр фигур (2)' 'одно число (1) два числа (2)' \
  'Введите числа:' '' '1:2:Сложение(+) Вычитание(-) умножение(*) деление(/) число А в степень B (a)' \
  '' 'Результат:2' | cmp - out || fail "the division from the tarball"
echo "ok: $linux.tar.gz"

cmake -E tar xf "$dist/$windows.zip"
(cd "$windows" && find . -type f | sort) >files
printf '%s\n' ./README.txt ./figcalc.exe | cmp - files ||
  fail "$windows.zip should hold exactly the files above"
head -c 2 "$windows/README.txt" | od -An -tx1 | grep -q 'ff fe' || fail "README.txt has no UTF-16 mark"
iconv -f UTF-16 -t UTF-8 "$windows/README.txt" >readme || fail "README.txt is not UTF-16"
grep -q $'^Как запустить\r$' readme || fail "README.txt lacks its Russian text and CR LF"
[ "$(grep -c $'[^\r]$' readme)" = 0 ] || fail "README.txt has a line without CR LF"
echo "ok: $windows.zip"
