#!/usr/bin/env bash
# Builds figcalc and the minimal yardstick twice (dynamically and statically
# linked, Release) and measures their scripted runs side by side.
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
build/bench-dynamic/bench/figcalc_bench "${RUNS:-300}" \
  dynamic build/bench-dynamic/figcalc build/bench-dynamic/bench/minimal \
  static build/bench-static/figcalc build/bench-static/bench/minimal
