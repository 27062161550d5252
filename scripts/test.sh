#!/usr/bin/env bash
# The README's test command: install what is missing, build, run every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
build=${VELMO_BUILD_DIR:-$root/build}
cd "$build"
ctest --output-on-failure -j2 "$@"
