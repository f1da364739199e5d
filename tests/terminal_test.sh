#!/usr/bin/env bash
# Runs figcalc (the command in the arguments: the program, or `wine
# figcalc.exe` for Wine's console) at a real terminal, a tmux pane in the
# locale LANG names, types its input a step at a time, and checks that every
# prompt is on the screen while the program waits for the next input (nothing
# typed yet, so it cannot have gone further), and that the final screen is
# exactly what a person sees.
#
# With FIGCALC_PAUSE set, the command is a start file that waits for a key
# once the program has ended, writing FIGCALC_PAUSE: only the circle runs,
# and its result, which ends without a line break, must stay on the screen
# with that text on the next line, for a second and until a key is pressed.
# It first writes the line of help FIGCALC_HINT and an empty line (the pane
# is wide enough for that line: Wine's console breaks what it wraps).
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"
command=$(printf '%q ' "$@")
needs tmux
export LANG=${LANG:-C.UTF-8}
locale -a | grep -qix "${LANG//-/-\\?}" || fail "the locale $LANG is not generated"
server=figcalc-terminal-$$
status=$work/status
tmx() { tmux -L "$server" "$@"; }
cleanup() { tmx kill-server 2>/dev/null || true; }

# The screen: every line of the pane and its history, without tmux's own
# line once the program has ended. ($(...) drops the empty lines at the end.)
screen() { tmx capture-pane -p -S - | sed '/^Pane is dead/d'; }

# Waits up to 10 seconds for the screen to be exactly $1, less the spaces a
# terminal does not show at the end of a line.
expect_screen() {
  local want
  want=$(printf '%s' "$1" | sed 's/ *$//')
  for _ in $(seq 100); do
    [ "$(screen)" = "$want" ] && return 0
    sleep 0.1
  done
  fail "$name: the screen should be:"$'\n'"$want"$'\n'"--- but is:"$'\n'"$(screen)"
}

# A run: the program starts in a fresh pane and writes $2; then each pair of
# arguments is a line to type, once the screen shows everything so far (with
# $hold set, for a second before the last line) and the program still runs,
# and what the program writes after it. The terminal echoes what is typed.
session() {
  name=$1 shown=$2
  shift 2
  : >"$status"
  tmx kill-server 2>/dev/null || true
  server=figcalc-terminal-$$-$name # a new one: the last may still be ending
  tmx -f /dev/null new-session -d -x 200 -y 40 "$command; echo \$? >'$status'" \; \
    set-option remain-on-exit on
  while [ $# -gt 0 ]; do
    expect_screen "$shown"
    if [ $# -eq 2 ] && [ -n "${hold:-}" ]; then
      sleep 1
      expect_screen "$shown"
    fi
    [ ! -s "$status" ] || fail "$name: ended while waiting for '$1'"
    tmx send-keys -l "$1"
    tmx send-keys Enter
    shown+="$1"$'\n'"$2"
    shift 2
  done
  expect_screen "$shown"
  for _ in $(seq 100); do
    [ -s "$status" ] && break
    sleep 0.1
  done
  [ "$(cat "$status")" = 0 ] || fail "$name: exit status '$(cat "$status")', not 0"
  ok "$name"
}

main=$'калькулятор чисел (1) площадь и периметр фигур (2)\n'
mode=$'одно число (1) два числа (2)\n'

circle=(2 $'Треугольник(1) Круг (2) Прямоугольник (3) Квадрат (4) \n' 2 $'\nВведите радиус:\nR=' 1
  $'\nПлощадь Круга:\n3.14159\nПеримерт Круга:\n6.28319')
if [ -n "${FIGCALC_PAUSE:-}" ]; then
  # The start file's wait after the result; Enter is the key.
  circle[-1]+=$'\n'"$FIGCALC_PAUSE"
  hold=1 session circle "${FIGCALC_HINT:?}"$'\n\n'"$main" "${circle[@]}" "" ""
  exit 0
fi
session circle "$main" "${circle[@]}"

session division "$main" 1 "$mode" 2 $'Введите числа:\n\n1:' 6 2: 3 \
  $'Сложение(+) Вычитание(-) умножение(*) деление(/) число А в степень B (a)\n' / $'\nРезультат:2\n'

session sine "$main" 1 "$mode" 1 $'Введите число:\n\n1:' 45 \
  $'квадрат (a) корень (b) синус (s) косинус (c) тангенс (t) котангенс (k)\n' \
  s $'\nsin(45°) = ?2/2\nДругое решение:\nsin(45°) = 0.707107\n'

