#!/usr/bin/env bash
# Installs figcalc as `make install` does, from the build folder BUILD into the folder PREFIX
# (the end-to-end tables then run against the program there), writing nothing in BUILD, and
# renders both manual pages without a warning; the desktop entry, run as a desktop runs it,
# starts the start file there. Then into a new folder, which uninstall removes; a second says so.
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"
build=$1 prefix=$2
needs groff
rm -rf "$prefix"
touch "$work/stamp"
bash "$top/tools/install.sh" install "$prefix" "$build" >/dev/null
[ -z "$(find "$build" \( -path "$prefix" -o -name Testing \) -prune -o -newer "$work/stamp" -type f -print)" ] ||
  fail "install wrote in $build"
for page in "man1/figcalc.1:figcalc.1.in" "ru/man1/figcalc.1:figcalc.ru.1.in"; do
  zcat "$prefix/share/man/${page%%:*}.gz" | groff -t -man -Tutf8 -ww -P-cbou >"$work/page" 2>"$work/warnings"
  [ ! -s "$work/warnings" ] || fail "${page%%:*}: $(cat "$work/warnings")"
  lost=$(sed -n 's/^\.SH //p' "$top/doc/${page#*:}" | grep -vxFf "$work/page") || true
  [ -z "$lost" ] || fail "headings of doc/${page#*:} not in ${page%%:*}: $lost"
done
# Its Exec, unquoted as desktop entries are, is a command for sh; figcalc is on the PATH.
PATH=$prefix/bin:$PATH eval "$(sed -n 's/^Exec=//p' "$prefix/share/applications/figcalc.desktop" |
  sed 's/\\\\/\\/g')" </dev/null >"$work/started" 2>&1 || true
grep -qxF "${FIGCALC_HINT:?}" "$work/started" || fail "the desktop entry did not run the start file: $(cat "$work/started")"
ok "installed in $prefix; both manual pages render; the desktop entry runs the start file there"
for a in install uninstall uninstall; do said=$(bash "$top/tools/install.sh" $a "$work/new/prefix" "$build" 2>&1) || fail "$a: $said"; done
[ ! -e "$work/new" ] || fail "uninstall left $(find "$work/new")"
[[ $said == *"left to remove in $work/new/prefix" ]] || fail "a second uninstall said: $said"
ok "uninstalled from a new folder, which is gone; again: $said"
