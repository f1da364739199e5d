#!/usr/bin/env bash
# Installs figcalc as `make install` does, from the build folder BUILD into
# the folder PREFIX (the end-to-end tables then run against the program
# there), and renders both manual pages without a warning; then installs it
# into a new folder and uninstalls it, which must leave nothing.
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"
build=$1 prefix=$2
needs groff
install_sh() { bash "$top/tools/install.sh" "$1" "$2" "$build" >/dev/null; }
rm -rf "$prefix"
install_sh install "$prefix"
for page in "man1/figcalc.1:EXIT STATUS" "ru/man1/figcalc.1:КОД ЗАВЕРШЕНИЯ"; do
  zcat "$prefix/share/man/${page%%:*}.gz" | groff -man -Tutf8 -ww -P-cbou >"$work/page" 2>"$work/warnings"
  [ ! -s "$work/warnings" ] || fail "${page%%:*}: $(cat "$work/warnings")"
  grep -qx "${page#*:}" "$work/page" || fail "no heading '${page#*:}' in ${page%%:*}"
done
ok "installed in $prefix; both manual pages render"
install_sh install "$work/new/prefix"
install_sh uninstall "$work/new/prefix"
[ ! -e "$work/new" ] || fail "uninstall left $(find "$work/new")"
ok "uninstalled: nothing left of an install into a new folder"
