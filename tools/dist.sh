#!/usr/bin/env bash
# The downloads, in build/dist (make dist): one from each workflow preset named dist-*; in a git
# checkout the source archive, as `git archive` gives the commit; and SHA256SUMS. The same
# commit gives the same bytes whatever the folder, umask, time zone, locale or user: every time
# stamp is SOURCE_DATE_EPOCH, unless set the commit's (in the source archive, as `git archive`
# wrote it into tools/source-date-epoch); the zip stores local times and CPack's archives the
# owner, hence UTC and fakeroot. The physical path, which the compiler maps out of the
# debugging information: a path through a symbolic link would leak.
set -euo pipefail
cd -P "$(dirname "$0")/.."
umask 022
export TZ=UTC LC_ALL=C
checkout=no # the top of a git checkout, rather than a folder in one or none
prefix=$(git rev-parse --show-prefix 2>/dev/null) && [ -z "$prefix" ] && checkout=yes
if [ "$checkout" = yes ]; then
  git diff --quiet HEAD -- || echo "dist: uncommitted changes, not in the downloads"
  : "${SOURCE_DATE_EPOCH:=$(git log -1 --format=%ct)}"
fi
: "${SOURCE_DATE_EPOCH:=$(grep -x '[0-9]*' tools/source-date-epoch)}"
[ -n "$SOURCE_DATE_EPOCH" ] || { echo "dist: no commit, no source archive: no date" >&2; exit 1; }
export SOURCE_DATE_EPOCH
rm -rf build/dist && mkdir -p build/dist
for preset in $(cmake --list-presets=workflow | sed -n 's/^ *"\(dist-[^"]*\)".*/\1/p'); do
  fakeroot cmake --workflow --preset "$preset" >"build/$preset.log" ||
    { tail -20 "build/$preset.log"; exit 1; }
done
rm -rf build/dist/_CPack_Packages
if [ "$checkout" = yes ]; then
  version=$(sed -n 's/^project(figcalc VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
  git archive --prefix="figcalc-$version/" HEAD | gzip -9n >"build/dist/figcalc-$version.tar.gz"
fi
cd build/dist && sha256sum -- * | tee SHA256SUMS
