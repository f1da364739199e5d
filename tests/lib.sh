# shellcheck shell=bash disable=SC2034
# Sourced by every test script: strict mode; `top`, the project's folder;
# `work`, a temporary folder removed at exit (after the script's own
# `cleanup`, if it defines one); and the lines that end a test or a step of
# it: ok, FAILED, or skipped with the reason and CTest's skip status 77.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/figcalc-test.XXXXXX")
cleanup() { :; }
trap 'cleanup; rm -rf --one-file-system "$work"' EXIT

ok() { echo "ok: $*"; }
fail() { echo "FAILED: $*"; exit 1; }
skip() { echo "skipped: $*"; exit 77; }
needs() { command -v "$1" >/dev/null || skip "$1 not found"; }
