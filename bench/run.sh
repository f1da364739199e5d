#!/usr/bin/env bash
# The benchmark (make bench; not a test): figcalc against a minimal C++ program built the same
# way (minimal.cpp), linked as in the Debian package and as the tarball's static PIE, each run
# with no input: the start-up that is nearly all of a run, a line written, a key read.
# hyperfine gives the times and their ratio, GNU time the peak memory; each program is timed
# as a fresh copy, since the file the linker has just written can start measurably slower.
# Then the web page's size, raw and gzipped, and its time to the first menu in Chromium (bench/web.py).
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
    memory=$(command time -f %M "$copies/$program" </dev/null 2>&1 >/dev/null)
    echo "$program ($preset): peak memory $memory KiB"
  done
done
cmake --workflow --preset web >/dev/null
/usr/bin/python3 bench/web.py "${WEB_RUNS:-20}" build/web/figcalc-*-web.html
