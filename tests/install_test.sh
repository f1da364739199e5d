#!/usr/bin/env bash
# Installs figcalc as a user would, with `cmake --install` from the build
# folder BUILD into the folder PREFIX (the end-to-end tables then run against
# the program there), and renders both manual pages without a warning.
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"
build=$1 prefix=$2
needs groff
rm -rf "$prefix"
cmake --install "$build" --strip --prefix "$prefix" >/dev/null
for page in "man1/figcalc.1:EXIT STATUS" "ru/man1/figcalc.1:КОД ЗАВЕРШЕНИЯ"; do
  zcat "$prefix/share/man/${page%%:*}.gz" | groff -man -Tutf8 -ww -P-cbou >"$work/page" 2>"$work/warnings"
  [ ! -s "$work/warnings" ] || fail "${page%%:*}: $(cat "$work/warnings")"
  grep -qx "${page#*:}" "$work/page" || fail "no heading '${page#*:}' in ${page%%:*}"
done
grep -qx "Exec=$prefix/libexec/figcalc/start" "$prefix"/share/applications/*.desktop || fail "no desktop entry runs the start file"
ok "installed in $prefix; both manual pages render; the desktop entry runs the start file there"
