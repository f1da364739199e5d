#!/usr/bin/env bash
# Installs the Debian packages in tools/debian-packages.txt that are missing,
# and the Russian locale the Windows console test runs in. As root it uses
# apt-get directly; otherwise it goes through sudo.
set -euo pipefail
cd "$(dirname "$0")"
mapfile -t packages < <(sed -e 's/#.*//' -e '/^ *$/d' debian-packages.txt)
locale=ru_RU.UTF-8

command -v dpkg-query >/dev/null ||
  { echo "deps: dpkg not found: this is not Debian; install by hand: ${packages[*]}" >&2; exit 1; }
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
# `locale -a` spells it ru_RU.utf8.
has_locale() { locale -a 2>/dev/null | grep -qix 'ru_RU\.utf-\?8'; }
[ ${#missing[@]} -eq 0 ] && has_locale && exit 0

if [ "$(id -u)" = 0 ]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "deps: cannot install ${missing[*]:-} (and the $locale locale, if missing):" \
    "run as root, or install sudo" >&2
  exit 1
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "deps: installing ${missing[*]}"
  "${as_root[@]}" apt-get update
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
if ! has_locale; then
  echo "deps: generating the $locale locale"
  "${as_root[@]}" localedef -i ru_RU -f UTF-8 "$locale"
fi
