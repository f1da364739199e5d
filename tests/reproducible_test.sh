#!/usr/bin/env bash
# The downloads are reproducible: `make dist` from a clone of HEAD, then, a
# second later, from its source archive unpacked in a longer path (no git),
# with another time zone, umask and locale; every download of the second build
# must have the first's SHA-256. Skipped (exit 77) outside a git checkout.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
[ "$(git -C "$repo" rev-parse --show-toplevel 2>/dev/null)" = "$repo" ] ||
  { echo "skipped: not a git checkout"; exit 77; }
work=$(mktemp -d /tmp/figcalc-reproducible.XXXXXX)
trap 'rm -rf "$work"' EXIT
first=$work/a second=$work/the-second-build-in-a-longer-path/b

# Runs make dist in $1 with the umask $2 and the environment after it.
dist() {
  local dir=$1 mask=$2
  shift 2
  (cd "$dir" && umask "$mask" && env "$@" make dist) >"$work/log" 2>&1 ||
    { tail -30 "$work/log"; echo "FAILED: make dist in $dir"; exit 1; }
  echo "$dir: $(ls "$dir/build/dist" | wc -l) files"
}

git clone -q "$repo" "$first"
dist "$first" 022 TZ=UTC LC_ALL=C.UTF-8
sleep 1
mkdir -p "$second"
source=$(cd "$first/build/dist" && ls | grep -xE 'figcalc-[0-9.]+\.tar\.gz') ||
  { echo "FAILED: make dist wrote no source archive"; exit 1; }
tar -xzf "$first/build/dist/$source" -C "$second" --strip-components=1
dist "$second" 077 TZ=Asia/Vladivostok LC_ALL=ru_RU.UTF-8

# The downloads the second build made, with their sums, against the first's.
(cd "$second/build/dist" && sha256sum -- $(ls | grep -vx SHA256SUMS)) >"$work/sums"
cd "$first/build/dist"
differ=$(sha256sum -c "$work/sums" 2>/dev/null | grep -v ': OK$' | sed 's/: .*//') || true
if [ -n "$differ" ]; then
  for f in $differ; do
    echo "FAILED: $f differs between the two builds"
    command -v diffoscope >/dev/null &&
      diffoscope --no-progress --text - "$f" "$second/build/dist/$f" | head -40
  done
  exit 1
fi
sed 's/^/    /' "$work/sums"
echo "ok: the same sums from both builds"
