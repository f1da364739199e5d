#!/usr/bin/env bash
# The benchmark (make bench; not a test): figcalc against a minimal C++ program
# built the same way (minimal.cpp), dynamically linked as in the Debian package
# and as the tarball's static PIE. A run is started with no input, so that both
# do the start-up that is nearly all of any run of figcalc, write a line and
# read one key. hyperfine times whole runs and gives the ratio; GNU time the
# peak memory. Each binary is timed as a fresh copy: the file that the linker
# has just written can start measurably slower. Then the web page: its size
# gzipped, and the time to its first menu in headless Chromium (bench/web.py).
set -euo pipefail
cd "$(dirname "$0")/.."
copies=$(mktemp -d)
trap 'rm -rf "$copies"' EXIT
for preset in default static; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target figcalc minimal >/dev/null
  cp "build/$preset/figcalc" "build/$preset/minimal" "$copies/"
  hyperfine -N -w 100 -r "${RUNS:-2000}" -n "figcalc ($preset)" "$copies/figcalc" \
    -n "minimal ($preset)" "$copies/minimal"
  for program in figcalc minimal; do
    echo "$program ($preset): peak memory $(command time -f %M "$copies/$program" </dev/null 2>&1 >/dev/null) KiB"
  done
done
cmake --workflow --preset web >/dev/null
/usr/bin/python3 bench/web.py build/web/figcalc-*-web.html "${WEB_RUNS:-20}"
