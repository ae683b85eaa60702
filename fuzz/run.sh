#!/usr/bin/env bash
# Builds the skin fuzz target with clang and runs it for a bounded time (default 600 s) on the seed
# corpus. Usage: fuzz/run.sh [SECONDS]. New inputs go to a work corpus beside the build; crashes are
# written there too and make the script fail.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
build=${QV_FUZZ_BUILD:-build-fuzz}
CXX=clang++ CC=clang cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_FUZZ=ON >/dev/null
cmake --build "$build" --target fuzz_skin
mkdir -p "$build/fuzz-corpus" "$build/fuzz-artifacts"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"$build/fuzz/fuzz_skin" -max_total_time="$seconds" -max_len=131072 -timeout=10 -rss_limit_mb=4096 \
    -artifact_prefix="$build/fuzz-artifacts/" "$build/fuzz-corpus" fuzz/corpus
