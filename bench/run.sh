#!/usr/bin/env bash
# Builds figcalc and the minimal yardstick twice (dynamically linked, and as
# static PIEs; Release, hardened as the downloads are) and measures their
# scripted runs side by side. Each binary is timed as a fresh copy, not as the
# file the linker has just written, which can start measurably slower.
# RUNS sets the number of rounds (default 300).
set -euo pipefail
cd "$(dirname "$0")/.."
for kind in dynamic static; do
  static=OFF
  [ "$kind" = static ] && static=ON
  cmake -S . -B "build/bench-$kind" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DFIGCALC_BENCH=ON -DFIGCALC_STATIC=$static >/dev/null
  cmake --build "build/bench-$kind" >/dev/null
done
echo "$(uname -m), $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "$(${CXX:-c++} --version | head -1)"
copies=$(mktemp -d)
trap 'rm -rf "$copies"' EXIT
for kind in dynamic static; do
  cp "build/bench-$kind/figcalc" "$copies/figcalc-$kind"
  cp "build/bench-$kind/bench/minimal" "$copies/minimal-$kind"
done
build/bench-dynamic/bench/figcalc_bench "${RUNS:-300}" \
  dynamic "$copies/figcalc-dynamic" "$copies/minimal-dynamic" \
  static "$copies/figcalc-static" "$copies/minimal-static"
