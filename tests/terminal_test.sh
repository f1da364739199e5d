#!/usr/bin/env bash
# figcalc at a real terminal, a tmux pane in the locale LANG names: each line is typed once the
# screen shows what PROGRAM (the arguments; `wine figcalc.exe` decoded as Windows writes) writes
# through a pipe before it reads that line, and the final screen is all of it, as a person sees
# it. After `--`, a start file that runs PROGRAM after the line of help FIGCALC_HINT and an empty
# line, and then waits for Enter: its result, which ends without a line break, must stay on the
# screen with the message FIGCALC_PAUSE on the next line, for a second and until Enter.
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"
program=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do program+=("$1") && shift; done
start=("${@:2}")
command=$(printf '%q ' "${start[@]:-${program[@]}}")
needs tmux
export LANG=${LANG:-C.UTF-8}
locale -a | grep -qix "${LANG//-/-\\?}" || fail "the locale $LANG is not generated"
status=$work/status server=figcalc-terminal-$$
tmx() { tmux -L "$server" "$@"; }
cleanup() { tmx kill-server 2>/dev/null || true; }

# The screen: every line of the pane and its history, without tmux's own line once the program
# has ended. ($(...) drops the empty lines at the end.)
screen() { tmx capture-pane -p -S - | sed '/^Pane is dead/d'; }

# Waits up to 10 seconds for the screen to be exactly $1, less the spaces a terminal does not
# show at the end of a line.
expect_screen() {
  want=$(printf '%s' "$1" | sed 's/ *$//')
  for _ in $(seq 100); do [ "$(screen)" = "$want" ] && return 0; sleep 0.1; done
  fail "$name: the screen should be:"$'\n'"$want"$'\n'"--- but is (exit status '$(cat "$status")', none while it runs):"$'\n'"$(screen)"
}

# What PROGRAM writes for the lines typed, $@, cut where it waits for a line: after a menu's
# line, "... (x)", and after each prompt for a number, "1:" to "3:" or "R=".
piped() {
  printf '%s\n' "$@" | "${program[@]}" >"$work/out" 2>"$work/err" || echo "exit status $?" >>"$work/err"
  mapfile -d $'\1' -t written < <(if [[ ${program[-1]} = *.exe ]]; then iconv -f CP1251 -t UTF-8 | tr -d '\r'; else cat; fi <"$work/out" |
    sed -zE 's/\([^()]\) *\n/&\x01/g; s/(^|\n)([123]:|R=)/&\x01/g; :a; s/\x01([123]:|R=)([^\x01]|$)/\x01\1\x01\2/; ta')
  [ ${#written[@]} = $(($# + 1)) ] || fail "$name: figcalc waits $((${#written[@]} - 1)) times for $# lines; standard error (and exit status, unless 0): $(cat "$work/err")"
}

# Wine's console reads keys from its terminal in raw mode, set at times after its program's first
# output: a line typed before then ends with ^J, which ends no line there. Waits for that mode.
raw_for_wine() {
  [[ "${program[*]}" = *wine* ]] || return 0
  for _ in $(seq 100); do stty -F "$(tmx display -p '#{pane_tty}')" -a | grep -q -- -icanon && return; sleep 0.1; done
  fail "$name: Wine's console never set its terminal to raw mode"
}

# Types the line $2 once the screen is $1, with $hold set for a second.
answer() {
  expect_screen "$1"
  raw_for_wine
  [ -z "${hold:-}" ] || { sleep 1 && expect_screen "$1"; }
  [ ! -s "$status" ] || fail "$name: ended while waiting for '$2'"
  tmx send-keys -l "$2" \; send-keys Enter
}

# A run: the program starts in a fresh pane, and the lines $@ are typed in turn; the terminal
# echoes them. The start file's line of help comes first, and its wait last.
session() {
  name=$1
  shift
  piped "$@"
  local shown=${hint:-}${written[0]} i
  : >"$status"
  # A new server, as the last may still be ending; a wide pane, as Wine's console breaks lines.
  cleanup
  server=figcalc-terminal-$$-$name
  tmx -f /dev/null new-session -d -x 200 -y 40 "$command; echo \$? >'$status'" \; \
    set-option remain-on-exit on
  for ((i = 1; i <= $#; i++)); do
    answer "$shown" "${!i}"
    shown+="${!i}"$'\n'"${written[i]}"
  done
  if [ -n "${hint:-}" ]; then
    shown+=$'\n'$FIGCALC_PAUSE
    hold=1 answer "$shown" ""
  fi
  expect_screen "$shown"
  timeout 10 sh -c "until [ -s '$status' ]; do sleep 0.1; done" || true
  [ "$(cat "$status")" = 0 ] || fail "$name: exit status '$(cat "$status")', not 0"
  ok "$name"
}

[ ${#start[@]} = 0 ] || hint="${FIGCALC_HINT:?}"$'\n\n'
session circle 2 2 1
[ ${#start[@]} = 0 ] || exit 0 # the start file's one session
session division 1 2 6 3 /
session sine 1 1 45 s
