#!/usr/bin/env bash
# Runs figcalc at a real terminal (a tmux pane), types its input a step at a
# time, and checks that every prompt is on the screen while the program waits
# for the next input (nothing typed yet, so it cannot have gone further), and
# that the final screen is exactly what a person sees.
set -euo pipefail
program=$1
command -v tmux >/dev/null || { echo "tmux not found: skipped"; exit 77; }
export LANG=C.UTF-8
server=figcalc-terminal-$$
status=$(mktemp)
tmx() { tmux -L "$server" "$@"; }
trap 'tmx kill-server 2>/dev/null || true; rm -f "$status"' EXIT

# The screen: every line of the pane and its history, without tmux's own
# line once the program has ended, and without trailing empty lines.
screen() {
  tmx capture-pane -p -S - | sed -e '/^Pane is dead/d' | sed -e ':a' -e '/^\n*$/{$d;N;ba' -e '}'
}

# Waits up to 10 seconds for the screen to be exactly $1.
expect_screen() {
  for _ in $(seq 100); do
    [ "$(screen)" = "$1" ] && return 0
    sleep 0.1
  done
  echo "FAILED: $name: the screen should be:"; echo "$1"; echo "--- but is:"; tmx capture-pane -p -S -
  exit 1
}

# A run: the program starts in a fresh pane; then each pair of arguments is
# the screen to wait for and the line to type once it is there; the last
# argument is the final screen.
session() {
  name=$1; shift
  tmx kill-server 2>/dev/null || true
  : >"$status"
  tmx -f /dev/null new-session -d -x 100 -y 40 "'$program'; echo \$? >'$status'" \; \
    set-option remain-on-exit on
  while [ $# -gt 1 ]; do
    expect_screen "$1"
    tmx send-keys -l "$2"; tmx send-keys Enter
    shift 2
  done
  expect_screen "$1"
  for _ in $(seq 100); do
    [ -s "$status" ] && break
    sleep 0.1
  done
  [ "$(cat "$status")" = 0 ] || { echo "FAILED: $name: exit status '$(cat "$status")', not 0"; exit 1; }
  echo "ok: $name"
}

main='калькулятор чисел (1) площадь и периметр фигур (2)'
mode='одно число (1) два числа (2)'
ops='Сложение(+) Вычитание(-) умножение(*) деление(/) число А в степень B (a)'
one='квадрат (a) корень (b) синус (s) косинус (c) тангенс (t) котангенс (k)'
figs='Треугольник(1) Круг (2) Прямоугольник (3) Квадрат (4)'
s1=$main; s2="$s1
1
$mode"

session division \
  "$s1" 1 "$s2" 2 \
  "$s2
2
Введите числа:

1:" 6 \
  "$s2
2
Введите числа:

1:6
2:" 3 \
  "$s2
2
Введите числа:

1:6
2:3
$ops" / \
  "$s2
2
Введите числа:

1:6
2:3
$ops
/

Результат:2"

session sine "$s1" 1 "$s2" 1 \
  "$s2
1
Введите число:

1:" 45 \
  "$s2
1
Введите число:

1:45
$one" s \
  "$s2
1
Введите число:

1:45
$one
s

sin(45°) = ?2/2
Другое решение:
sin(45°) = 0.707107"

session circle "$s1" 2 "$s1
2
$figs" 2 \
  "$s1
2
$figs
2

Введите радиус:
R=" 1 \
  "$s1
2
$figs
2

Введите радиус:
R=1

Площадь Круга:
3.14159
Перимерт Круга:
6.28319"
