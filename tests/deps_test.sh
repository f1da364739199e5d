#!/usr/bin/env bash
# tools/deps.sh where it cannot install, with its own list of what to look for: with no apt-get
# on the PATH, then as a user who is neither root nor has sudo (as nobody, where we are root).
# Each time it must name each thing missing with its package, a line each, run nothing, and fail.
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"
mkdir -p "$work/tools" "$work/bin"
cp "$top/tools/deps.sh" "$work/tools"
cat >"$work/tools/debian-packages.txt" <<'LIST'
pkg-a  no-such-command  t
pkg-b  <no/such.h>      t
pkg-c  /no/such/file    t
pkg-d  awk              t
pkg-e  no-such-either   other
LIST
for tool in dirname awk id c++; do ln -s "$(type -P "$tool")" "$work/bin"; done
chmod -R a+rX "$work"
expected="  no-such-command (Debian: pkg-a)
  <no/such.h> (Debian: pkg-b)
  /no/such/file (Debian: pkg-c)"
as_nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
[ "$(id -u)" = 0 ] || as_nobody=()
for case in "no apt-get" "neither root nor sudo"; do
  user=()
  if [ "$case" != "no apt-get" ]; then
    printf '#!/bin/sh\necho apt-get ran\n' >"$work/bin/apt-get"
    user=("${as_nobody[@]}")
  fi
  chmod a+rx "$work/bin"/*
  status=0
  out=$(cd / && "${user[@]}" env PATH="$work/bin" "$BASH" "$work/tools/deps.sh" t 2>&1) || status=$?
  want="deps: missing, and not installed ($case):"$'\n'"$expected"
  if [ "$status" != 1 ] || [ "$out" != "$want" ]; then
    fail "$case: status $status (expected 1), output:"$'\n'"$out"$'\n'"expected:"$'\n'"$want"
  fi
  ok "$case: each thing missing named with its package"
done
