#!/usr/bin/env bash
# Builds the tree with AddressSanitizer (leak checking on) and UndefinedBehaviorSanitizer
# into build-asan/ (or $VELMO_ASAN_BUILD_DIR) and runs the sign-in window, account
# service and account store tests under them. A leak, an invalid access or undefined
# behaviour fails the test that caused it. Extra arguments go to ctest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMO_ASAN_BUILD_DIR:-$root/build-asan}

# The tests of these folders, by executable name (tst_X also covers tst_X.offline).
tests=$(cd "$root/tests" && ls signin/tst_*.cpp service/tst_*.cpp store/tst_*.cpp |
    xargs -n1 basename | sed 's/\.cpp$//')

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMO_SANITIZE=ON \
    -DVELMO_BUILD_BENCHMARKS=OFF >/dev/null
# shellcheck disable=SC2086
cmake --build "$build" --target $tests
cd "$build"
ctest --output-on-failure -R "^($(echo $tests | tr ' ' '|'))(\.|$)" "$@"
