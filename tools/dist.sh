#!/usr/bin/env bash
# Makes the downloads in build/dist from the builds in build/ (make dist):
# the Debian package, the Linux tarballs (x86-64 and 64-bit ARM) and the
# Windows zip with CPack; in a
# git checkout also the source archive, the committed tree as `git archive`
# gives it (with the commit's date in tools/source-date-epoch); and SHA256SUMS
# for all of them. Every time stamp is SOURCE_DATE_EPOCH, and the same commit
# gives the same files whatever the umask, time zone, locale or user: the zip
# stores local times, and CPack's archives the owner of the files (so a user
# other than root packs under fakeroot).
set -euo pipefail
cd "$(dirname "$0")/.."
umask 022
export TZ=UTC LC_ALL=C
as_root=()
[ "$(id -u)" = 0 ] || as_root=(fakeroot)
: "${SOURCE_DATE_EPOCH:?is not set: run make dist}"
version=$(sed -n 's/^project(figcalc VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
dist=$PWD/build/dist
rm -rf "$dist"
mkdir -p "$dist"
for build in default:DEB static:TGZ aarch64:TGZ windows:ZIP; do
  (cd "build/${build%:*}" && "${as_root[@]}" cpack -G "${build#*:}" -B "$dist" >/dev/null)
done
rm -rf "$dist/_CPack_Packages"
if [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$PWD" ]; then
  git archive --prefix="figcalc-$version/" HEAD | gzip -9n >"$dist/figcalc-$version.tar.gz"
else
  echo "dist: not a git checkout: no source archive"
fi
cd "$dist"
sha256sum -- * >SHA256SUMS
cat SHA256SUMS
