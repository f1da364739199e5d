#!/usr/bin/env bash
# Makes the downloads in build/dist (make dist): each workflow preset named
# dist-* in CMakePresets.json makes one; in a git checkout also the source
# archive, the committed tree as `git archive` gives it; and SHA256SUMS.
#
# The same commit gives the same files whatever the folder, umask, time zone,
# locale or user: every time stamp is SOURCE_DATE_EPOCH, unless set the last
# commit's date (or, in the source archive, the one `git archive` wrote into
# source-date-epoch); the zip stores local times, and CPack's archives the
# owner of the files (so a user other than root packs under fakeroot). The
# build runs in the folder's physical path, which the compiler maps out of
# the debugging information: a path through a symbolic link would leak.
set -euo pipefail
cd -P "$(dirname "$0")/.."
umask 022
export TZ=UTC LC_ALL=C
# The top of a git checkout (as against a folder inside another one, or none).
checkout=no
prefix=$(git rev-parse --show-prefix 2>/dev/null) && [ -z "$prefix" ] && checkout=yes
if [ "$checkout" = yes ]; then
  git diff --quiet HEAD -- || echo "dist: uncommitted changes: the downloads are not the last commit's"
  : "${SOURCE_DATE_EPOCH:=$(git log -1 --format=%ct)}"
else
  : "${SOURCE_DATE_EPOCH:=$(grep -x '[0-9][0-9]*' tools/source-date-epoch)}"
fi
[ -n "$SOURCE_DATE_EPOCH" ] ||
  { echo "dist: neither a git checkout nor a source archive: no date to stamp" >&2; exit 1; }
export SOURCE_DATE_EPOCH
as_root=()
[ "$(id -u)" = 0 ] || as_root=(fakeroot)
dist=$PWD/build/dist
rm -rf "$dist"
mkdir -p "$dist"
for preset in $(cmake --list-presets=workflow | sed -n 's/^ *"\(dist-[^"]*\)".*/\1/p'); do
  "${as_root[@]}" cmake --workflow --preset "$preset" >"build/$preset.log" ||
    { tail -20 "build/$preset.log"; exit 1; }
done
rm -rf "$dist/_CPack_Packages"
if [ "$checkout" = yes ]; then
  version=$(sed -n 's/^project(figcalc VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
  git archive --prefix="figcalc-$version/" HEAD | gzip -9n >"$dist/figcalc-$version.tar.gz"
else
  echo "dist: not a git checkout: no source archive"
fi
cd "$dist"
sha256sum -- * >SHA256SUMS
cat SHA256SUMS
