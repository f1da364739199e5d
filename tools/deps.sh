#!/usr/bin/env bash
# Installs what is missing of the Debian packages in tools/debian-packages.txt.
#   deps.sh        every package, and the Russian locale the Windows console
#                  test runs in (`make check`);
#   deps.sh build  only what building figcalc needs (those tagged "build"),
#                  and nothing when a C++ compiler and CMake are already there
#                  (`make build` and `make run`).
# As root it uses apt-get directly; otherwise it goes through sudo. Where it
# cannot install, it says in one line what to install, and fails.
set -euo pipefail
cd "$(dirname "$0")"
locale=ru_RU.UTF-8
if [ "${1:-}" = build ]; then
  locale=
  command -v "${CXX:-c++}" >/dev/null && command -v cmake >/dev/null && exit 0
  mapfile -t packages < <(sed -n 's/^\([^ #]*\) *# *build$/\1/p' debian-packages.txt)
  need="a C++17 compiler and CMake 3.25 or newer (Debian: ${packages[*]})"
else
  mapfile -t packages < <(sed -e 's/#.*//' -e 's/ *$//' -e '/^$/d' debian-packages.txt)
  need="${packages[*]} (and the $locale locale)"
fi

command -v dpkg-query >/dev/null && command -v apt-get >/dev/null ||
  { echo "deps: not a Debian system: install $need" >&2; exit 1; }
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
# `locale -a` spells it ru_RU.utf8; building needs no locale.
has_locale() { [ -z "$locale" ] || locale -a 2>/dev/null | grep -qix 'ru_RU\.utf-\?8'; }
[ ${#missing[@]} -eq 0 ] && has_locale && exit 0

if [ "$(id -u)" = 0 ]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "deps: not root and no sudo: install $need" >&2
  exit 1
fi
# apt-get reads nothing from standard input, which may be figcalc's (make run).
if [ ${#missing[@]} -gt 0 ]; then
  echo "deps: installing ${missing[*]}"
  "${as_root[@]}" apt-get update </dev/null
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}" </dev/null
fi
if ! has_locale; then
  echo "deps: generating the $locale locale"
  "${as_root[@]}" localedef -i ru_RU -f UTF-8 "$locale"
fi
