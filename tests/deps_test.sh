#!/usr/bin/env bash
# tools/deps.sh where it cannot install, with its own list of what to look for: with no apt-get
# on the PATH, then as a user who is neither root nor has sudo (as nobody, where we are root).
# Each time it must name each thing missing with its package, a line each, run nothing, and fail.
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"
mkdir -p "$work/tools" "$work/bin"
cp "$top/tools/deps.sh" "$work/tools"
printf '%s\n' "pkg-a no-such-command t" "pkg-b <no/such.h> t" "pkg-c /no/such/file t" \
  "pkg-d awk t" >"$work/tools/debian-packages.txt"
for tool in dirname awk id c++; do ln -s "$(type -P "$tool")" "$work/bin"; done
chmod -R a+rX "$work"
# deps.sh run by the command $2... (none: by us) must refuse for the reason $1.
refuses() {
  local reason=$1 status=0 out want
  out=$(cd / && "${@:2}" env PATH="$work/bin" "$BASH" "$work/tools/deps.sh" t 2>&1) || status=$?
  want="deps: missing, and not installed ($reason):
  no-such-command (Debian: pkg-a)
  <no/such.h> (Debian: pkg-b)
  /no/such/file (Debian: pkg-c)"
  if [ "$status" != 1 ] || [ "$out" != "$want" ]; then
    fail "$reason: status $status (expected 1), output:"$'\n'"$out"$'\n'"expected:"$'\n'"$want"
  fi
  ok "$reason: each thing missing named with its package"
}
refuses "no apt-get"
printf '#!/bin/sh\necho apt-get ran\n' >"$work/bin/apt-get" && chmod a+rx "$work/bin/apt-get"
nobody=() # where we are root, as nobody
[ "$(id -u)" != 0 ] || nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
refuses "neither root nor sudo" "${nobody[@]}"
