#!/usr/bin/env bash
# Installs what is missing of the Debian packages that the make targets named
# as arguments need (tools/debian-packages.txt), and for distcheck the Russian
# locale that the Windows console tests run in. For `build` alone it installs
# nothing where a C++ compiler and CMake are already there, Debian or not.
# distcheck also needs npm: NodeSource's nodejs has it, Debian's own nodejs
# needs Debian's package npm, which NodeSource's nodejs conflicts with; so npm
# is installed only where nodejs, once there, brings none.
# As root it uses apt-get directly; otherwise it goes through sudo. Where it
# cannot install, it says in one line what to install, and fails.
set -euo pipefail
cd "$(dirname "$0")"
[ "$*" = build ] && command -v "${CXX:-c++}" >/dev/null && command -v cmake >/dev/null && exit 0
mapfile -t packages < <(awk -v want=" $* " '!/^#/ && NF {
  for (i = 2; i <= NF; i++) if (index(want, " " $i " ")) { print $1; next } }' debian-packages.txt)
locale=
[[ " $* " != *" distcheck "* ]] || locale=ru_RU.UTF-8
need="${packages[*]}${locale:+ and the $locale locale}"
[ "$*" != build ] || need="a C++17 compiler and CMake 3.25 or newer (Debian: $need)"

if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
  echo "deps: not a Debian system: install $need" >&2
  exit 1
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
# `locale -a` spells it ru_RU.utf8.
has_locale() { [ -z "$locale" ] || locale -a 2>/dev/null | grep -qix 'ru_RU\.utf-\?8'; }
has_npm() { [[ " $* " != *" distcheck "* ]] || command -v npm >/dev/null; }
[ ${#missing[@]} -eq 0 ] && has_locale && has_npm "$@" && exit 0

if [ "$(id -u)" = 0 ]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "deps: not root and no sudo: install $need" >&2
  exit 1
fi
# apt-get reads nothing from standard input, which may be figcalc's (make run).
install() {
  echo "deps: installing $*"
  "${as_root[@]}" apt-get update </dev/null
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "$@" </dev/null
}
[ ${#missing[@]} -eq 0 ] || install "${missing[@]}"
has_npm "$@" || install npm
if ! has_locale; then
  echo "deps: generating the $locale locale"
  "${as_root[@]}" localedef -i ru_RU -f UTF-8 "$locale"
fi
