#!/usr/bin/env bash
# make install and make uninstall: figcalc as build/default holds it, installed
# under PREFIX (stripped) and removed again.
#   install.sh install|uninstall PREFIX [BUILD]
#
# Installing builds nothing and leaves nothing in build/, so that `sudo make
# install` leaves no file of root's in a tree its user built. What it put
# under PREFIX, the folders it made included, is listed in the file
# PREFIX/share/figcalc/installed; uninstall removes exactly that, each
# folder once it is empty, and nothing that another install (such as the
# tests') wrote elsewhere.
set -euo pipefail
cd "$(dirname "$0")/.."
action=$1 prefix=$(realpath -m "$2")
build=${3:-build/default} record=$prefix/share/figcalc/installed

if [ "$action" = uninstall ]; then
  [ -f "$record" ] || { echo "uninstall: no figcalc installed in $prefix by make install" >&2; exit 1; }
  # Newest first: the record, the files, then the folders, deepest first.
  tac "$record" | while IFS= read -r path; do
    if [ "${path%/}" != "$path" ]; then
      rmdir --ignore-fail-on-non-empty -v -- "$path"
    else
      rm -fv -- "$path"
    fi
  done
  exit 0
fi

[ -x "$build/figcalc" ] || { echo "install: figcalc is not built: run make first" >&2; exit 1; }
# What an earlier install here put there stays listed.
earlier=$(grep -svxF "$record" "$record" || true)
stage=$(mktemp -d)
trap 'rm -rf "$stage" "$build/install_manifest.txt"' EXIT
# The folders the install will need, from an install into an empty folder;
# those missing under PREFIX are made, and listed first.
DESTDIR=$stage cmake --install "$build" --prefix "$prefix" >/dev/null
mkdir -p "$stage$(dirname "$record")"
created=$(cd "$stage" && find . -mindepth 1 -type d | cut -c2- |
  while IFS= read -r dir; do [ -d "$dir" ] || echo "$dir/"; done)
printf '%s' "$created" | xargs -rd '\n' mkdir -v --
cmake --install "$build" --strip --prefix "$prefix"
{ printf '%s\n' "$earlier" "$created"; cat "$build/install_manifest.txt"; printf '\n%s\n' "$record"; } |
  awk 'NF && !seen[$0]++' >"$record"
