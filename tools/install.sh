#!/usr/bin/env bash
# make install and make uninstall: install.sh install|uninstall PREFIX [BUILD]. CMake installs
# BUILD (build/default) under PREFIX, stripped, listing what it put there, folders it made first,
# in PREFIX/share/figcalc/installed, from which uninstall removes exactly that. Nothing is left
# in BUILD, so that `sudo make install` puts no file of root's in a user's tree.
set -euo pipefail
cd "$(dirname "$0")/.."
prefix=$(realpath -m "$2") build=${3:-build/default}
record=$prefix/share/figcalc/installed
if [ "$1" = uninstall ]; then
  [ -f "$record" ] || { echo "uninstall: nothing of figcalc's left to remove in $prefix"; exit 0; }
  tac "$record" | while IFS= read -r path; do
    if [ -d "$path" ]; then rmdir --ignore-fail-on-non-empty -v "$path"; else rm -fv "$path"; fi
  done
  exit 0
fi
[ -x "$build/figcalc" ] || { echo "install: figcalc is not built: run make first" >&2; exit 1; }
stage=$(mktemp -d)
trap 'rm -rf "$stage" "$build/install_manifest.txt"' EXIT
# The folders an install makes: those of an install elsewhere that PREFIX lacks (and an earlier's).
DESTDIR=$stage cmake --install "$build" --prefix "$prefix" >/dev/null
made=$(mkdir -p "$stage${record%/*}" && cd "$stage" && find . -type d | cut -c2- |
  while IFS= read -r dir; do [ -d "$dir" ] || echo "$dir"; done)
earlier=$(cat "$record" 2>/dev/null || true)
cmake --install "$build" --strip --prefix "$prefix"
mkdir -p "${record%/*}"
printf '%s\n' "$earlier" "$made" "$(cat "$build/install_manifest.txt")" "$record" |
  awk 'NF && !seen[$0]++' >"$record"
