#!/usr/bin/env bash
# The source archive in DIST, unpacked, as a distribution and as anyone
# checking a release use it:
#   - built with plain cmake and a distribution's own flags, without a
#     warning, and its tests pass;
#   - `make dist` in a longer path, with another time zone, umask and locale,
#     gives every download in DIST byte for byte (SHA256SUMS).
# Skipped where DIST has no source archive (made outside a git checkout).
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"
dist=$1
archive=$(grep -oE 'figcalc-[0-9.]+\.tar\.gz$' "$dist/SHA256SUMS") ||
  skip "no source archive in $dist (not made in a git checkout)"
tree=$work/a/longer/path/to/${archive%.tar.gz}
mkdir -p "$tree"
tar -xzf "$dist/$archive" -C "$tree" --strip-components=1
cd "$tree"
# Runs $@ with its output in $work/log; shows the log's end on a failure.
logged() { "$@" >"$work/log" 2>&1 || { tail -30 "$work/log"; fail "$*"; }; }

flags="-O2 -g -Wp,-D_FORTIFY_SOURCE=3 -fstack-protector-strong -Wformat -Werror=format-security"
logged cmake -S . -B "$work/distro" -DCMAKE_BUILD_TYPE=None "-DCMAKE_CXX_FLAGS=$flags"
logged cmake --build "$work/distro"
! grep -i 'warning' "$work/log" || fail "warnings with a distribution's flags"
logged ctest --test-dir "$work/distro"
ok "built with plain cmake and CXXFLAGS='$flags'; $(grep 'tests passed' "$work/log")"

logged env TZ=Asia/Vladivostok LC_ALL=ru_RU.UTF-8 sh -c 'umask 077 && make dist'
grep -v "  $archive\$" "$dist/SHA256SUMS" | (cd "$tree/build/dist" && sha256sum -c) ||
  fail "the downloads from the source archive differ from those in $dist"
ok "the same downloads from the source archive"
