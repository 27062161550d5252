#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan and UBSan on) into build-fuzz/
# and runs each for the given number of seconds (default 60).
# Findings are written as crash-*/leak-* files in build-fuzz/fuzz/findings/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=${VELMO_FUZZ_BUILD_DIR:-$root/build-fuzz}
CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELMO_FUZZ=ON -DVELMO_SANITIZE=ON -DVELMO_BUILD_TESTS=OFF -DVELMO_BUILD_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="-fno-sanitize-recover=undefined" >/dev/null
targets=$(cd "$root/fuzz" && ls fuzz_*.cpp | sed 's/\.cpp$//')
# shellcheck disable=SC2086
cmake --build "$build" --target $targets
mkdir -p "$build/fuzz/findings"
status=0
for target in $targets; do
    corpus="$build/fuzz/corpus/$target"
    mkdir -p "$corpus"
    echo "== $target, $seconds s"
    "$build/fuzz/$target" "$corpus" -max_total_time="$seconds" -max_len=4096 \
        -artifact_prefix="$build/fuzz/findings/$target-" -print_final_stats=1 || status=1
done
exit $status
