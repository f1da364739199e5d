#!/usr/bin/env bash
# The downloads as a user gets them: each one in DIST unpacked into the empty
# folder UNPACKED and checked there, then a table of checks on what they hold:
# the license in each, lintian on the Debian package, and the hardening of
# each binary. The Linux program must divide 6 by 3; README.txt in the zip
# must be UTF-16 with Windows line breaks and hold the Russian text. (Wine runs
# the unpacked figcalc.exe after this.)
set -euo pipefail
dist=$1 version=$2 unpacked=$3 license=$(cd "$(dirname "$0")/.." && pwd)/LICENSE
windows=figcalc-$version-win64 deb=figcalc_${version}_amd64
rm -rf "$unpacked"
mkdir -p "$unpacked"
cd "$unpacked"
fail() { echo "FAILED: $*"; exit 1; }
# Fails unless the folder $1 holds exactly the files named after it.
holds() {
  local dir=$1
  shift
  printf '%s\n' "$@" | cmp -s - <(cd "$dir" && find . -type f | sort) ||
    fail "$dir should hold exactly: $*"
}

(cd "$dist" && sha256sum --quiet -c SHA256SUMS &&
  [ "$(LC_ALL=C ls | grep -vx SHA256SUMS)" = "$(sed 's/^[0-9a-f]*  //' SHA256SUMS)" ]) ||
  fail "SHA256SUMS should hold the sum of every download"
# The Linux tarballs, x86-64 and 64-bit ARM (run under qemu-aarch64).
for arch in x86_64 aarch64; do
  linux=figcalc-$version-linux-$arch
  tar -xzf "$dist/$linux.tar.gz"
  holds "$linux" ./LICENSE ./README.md ./README.ru.md ./bin/figcalc \
    ./share/doc/figcalc/changelog.gz ./share/doc/figcalc/copyright \
    ./share/man/man1/figcalc.1.gz ./share/man/ru/man1/figcalc.1.gz
  run=()
  [ "$arch" = x86_64 ] || run=("$(command -v "qemu-$arch")")
  printf '1 2 6 3 /' | env -i "${run[@]}" "$linux/bin/figcalc" >out
  printf '%s\n' 'калькулятор чисел (1) площадь и периметр фигур (2)' 'одно число (1) два числа (2)' \
    'Введите числа:' '' '1:2:Сложение(+) Вычитание(-) умножение(*) деление(/) число А в степень B (a)' \
    '' 'Результат:2' | cmp - out || fail "the division from $linux.tar.gz"
  echo "ok: $linux.tar.gz"
done

cmake -E tar xf "$dist/$windows.zip"
holds "$windows" ./LICENSE.txt ./README.txt ./figcalc.cmd ./figcalc.exe
head -c 2 "$windows/README.txt" | od -An -tx1 | grep -q 'ff fe' || fail "README.txt has no UTF-16 mark"
iconv -f UTF-16 -t UTF-8 "$windows/README.txt" >readme || fail "README.txt is not UTF-16"
grep -q $'^Как запустить\r$' readme || fail "README.txt lacks its Russian text and CR LF"
[ "$(grep -c $'[^\r]$' readme)" = 0 ] || fail "README.txt has a line without CR LF"
echo "ok: $windows.zip"

dpkg-deb -x "$dist/$deb.deb" "$deb"
lintian -E -I --pedantic "$dist/$deb.deb" 2>/dev/null >lintian || true
[ ! -s lintian ] || { cat lintian; fail "lintian has something to say about $deb.deb"; }
echo "ok: lintian $deb.deb"

# Each check: a command on the unpacked downloads, and a pattern (grep -E)
# that must be in its output.
elf() { LC_ALL=C readelf -W "$@"; }
deb_bin=$deb/usr/bin/figcalc exe=$windows/figcalc.exe
tar_bin=figcalc-$version-linux-x86_64/bin/figcalc arm_bin=figcalc-$version-linux-aarch64/bin/figcalc
# figcalc.exe's resources, its version resource and manifest, as text.
resources() {
  x86_64-w64-mingw32-windres -i "$exe" -O rc | perl -CS -pe 's/\\x([0-9a-f]{4})/chr(hex $1)/ge'
}
while IFS='#' read -r what command pattern; do
  what=${what%"${what##*[! ]}"} pattern=${pattern# }
  out=$(eval "$command" 2>&1 || true)
  grep -qE "$pattern" <<<"$out" || fail "$what"
  echo "ok: $what"
done <<EOT
license in the package         # cat $deb/usr/share/doc/figcalc/copyright # ^License: Expat$
license in the tarballs        # cmp $license ${tar_bin%bin/*}LICENSE && cmp $license ${arm_bin%bin/*}LICENSE && echo same # ^same$
license in the zip, CR LF      # sed 's/\$/\r/' $license | cmp - $windows/LICENSE.txt && echo same # ^same$
package: position-independent  # elf -h $deb_bin # Type: +DYN
package: stack protector       # elf --dyn-syms $deb_bin # __stack_chk_fail
package: fortified functions   # elf --dyn-syms $deb_bin # __[a-z_]+_chk@
package: read-only relocations # elf -l $deb_bin # GNU_RELRO
package: immediate binding     # elf -d $deb_bin # FLAGS.*BIND_NOW
package: no .comment section   # elf -p .comment $deb_bin # does not exist
tarball: static PIE            # elf -h -l $tar_bin | grep -cE 'Type: +DYN|INTERP' # ^1$
tarball: read-only relocations # elf -l $tar_bin # GNU_RELRO
tarball: immediate binding     # elf -d $tar_bin # FLAGS.*BIND_NOW
ARM tarball: static PIE        # elf -h -l $arm_bin | grep -cE 'Type: +DYN|INTERP' # ^1$
ARM tarball: read-only relocations # elf -l $arm_bin # GNU_RELRO
ARM tarball: immediate binding # elf -d $arm_bin # FLAGS.*BIND_NOW
exe: ASLR                      # x86_64-w64-mingw32-objdump -p $exe # DYNAMIC_BASE
exe: high-entropy ASLR         # x86_64-w64-mingw32-objdump -p $exe # HIGH_ENTROPY_VA
exe: DEP                       # x86_64-w64-mingw32-objdump -p $exe # NX_COMPAT
exe: no time stamp             # TZ=UTC x86_64-w64-mingw32-objdump -p $exe # Time/Date.*Jan  1 00:00:00 1970
exe: stripped                  # x86_64-w64-mingw32-objdump -t $exe # no symbols
exe: version                   # resources # VALUE "FileVersion", "$version"
exe: description in Russian    # resources # VALUE "FileDescription", L"figcalc: калькулятор чисел
exe: copyright and license     # resources # VALUE "LegalCopyright", "Copyright \\(c\\) 2026 the figcalc developers\\. MIT License"
exe: original file name        # resources # VALUE "OriginalFilename", "figcalc.exe"
exe: manifest, as invoker      # resources # level=""asInvoker""
exe: manifest, Windows 10 and 11 # resources # supportedOS Id=""\\{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a\\}""
exe: no code page setting      # resources | grep -c activeCodePage # ^0$
start file with CR LF          # grep -c $'[^\\r]$' $windows/figcalc.cmd # ^0$
EOT
