#!/bin/sh
# Prints the time, in seconds since 1970, that every time stamp of a build
# takes (SOURCE_DATE_EPOCH): the date of the last commit in a git checkout, or
# the one `git archive` wrote into source-date-epoch in a source archive.
# Prints nothing where neither is known.
cd "$(dirname "$0")/.." || exit 1
if [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$(pwd -P)" ]; then
  git log -1 --format=%ct
else
  grep -x '[0-9][0-9]*' tools/source-date-epoch || true
fi
