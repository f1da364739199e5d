#!/usr/bin/env bash
# Installs figcalc as a user would, with `cmake --install` and from its Debian
# package into a clean root, and checks each installation: the program runs,
# and its manual page renders without a warning.
set -euo pipefail
build=$1
command -v dpkg-deb >/dev/null || { echo "dpkg not found: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

check() { # $1: the installation's prefix
  printf '2 4 2' | "$1/bin/figcalc" >"$work/out"
  printf '%s\n' 'калькулятор чисел (1) площадь и периметр фигур (2)' \
    'Треугольник(1) Круг (2) Прямоугольник (3) Квадрат (4) ' '' 'Введите длину стороны:' '' \
    '1:' 'Площадь Квадрата:' '4' 'Перимерт Квадрата:' >"$work/expected"
  printf 8 >>"$work/expected"
  cmp "$work/out" "$work/expected"
  # The English page and the Russian one, each rendered without a warning.
  for page in "man1/figcalc.1:EXIT STATUS" "ru/man1/figcalc.1:КОД ЗАВЕРШЕНИЯ"; do
    zcat "$1/share/man/${page%%:*}.gz" | groff -man -Tutf8 -ww -P-cbou >"$work/page" 2>"$work/warnings"
    [ ! -s "$work/warnings" ] || { cat "$work/warnings"; exit 1; }
    grep -qx ' *Результат:2' "$work/page"
    grep -qx "${page#*:}" "$work/page" || { echo "no heading '${page#*:}' in ${page%%:*}"; exit 1; }
  done
  echo "ok: $1"
}

cmake --install "$build" --prefix "$work/prefix" >/dev/null
check "$work/prefix"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >/dev/null
deb=$(echo "$work"/package/figcalc_*.deb)
# Nothing beyond the C and C++ runtimes.
dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed -E 's/^ *([^ ]+).*/\1/' |
  grep -vxE 'libc6|libstdc\+\+6|libgcc-s1' && { echo "unexpected dependency"; exit 1; }
mkdir -p "$work/root/var/lib/dpkg/info" "$work/root/var/lib/dpkg/updates"
touch "$work/root/var/lib/dpkg/status"
dpkg --root="$work/root" --force-depends --force-not-root -i "$deb" >/dev/null
check "$work/root/usr"
