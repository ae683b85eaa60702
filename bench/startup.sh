#!/usr/bin/env bash
# Start-up of the program to its main window shown, against a bare window drawing the main window's words
# in the same faces (the CJK faces cost that much by themselves), built in the same tree: median wall time
# and median peak memory over several whole-process runs of each, and their ratios. A bare window without
# the faces is measured too, for comparison. Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-15}
# The skin package is built too: the program loads it at start-up.
cmake --build "$build" --target quorvane bare_window text_window skin_files >/dev/null

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

# Appends "seconds kilobytes" of one whole run of a command to the file named first: wall time from the
# shell's clock (microseconds), peak resident memory from GNU time.
measure() {
    local into=$1
    shift
    local memory
    memory=$(mktemp)
    local start=$EPOCHREALTIME
    /usr/bin/time -f '%M' -o "$memory" "$@" >/dev/null 2>&1
    local end=$EPOCHREALTIME
    echo "$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.6f", e - s }') $(tail -n 1 "$memory")" >>"$into"
    rm -f "$memory"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

program=$(mktemp)
baseline=$(mktemp)
text=$(mktemp)
trap 'rm -f "$program" "$baseline" "$text"' EXIT
for _ in $(seq "$runs"); do
    measure "$program" "$build/quorvane/quorvane" --exit-after-show
    measure "$baseline" "$build/bench/bare_window"
    # With the program's font configuration, as the program finds it beside itself.
    FONTCONFIG_FILE="$(realpath "$build")/quorvane/fonts.conf" measure "$text" "$build/bench/text_window"
done

program_time=$(cut -d' ' -f1 "$program" | median)
program_memory=$(cut -d' ' -f2 "$program" | median)
baseline_time=$(cut -d' ' -f1 "$baseline" | median)
baseline_memory=$(cut -d' ' -f2 "$baseline" | median)
text_time=$(cut -d' ' -f1 "$text" | median)
text_memory=$(cut -d' ' -f2 "$text" | median)
awk -v pt="$program_time" -v bt="$baseline_time" -v pm="$program_memory" -v bm="$baseline_memory" \
    -v tt="$text_time" -v tm="$text_memory" 'BEGIN {
    printf "start-up time:   program %.3f s, text window %.3f s, ratio %.2f (goal <= 1.5)\n", pt, tt, pt / tt
    printf "peak memory:     program %d KiB, text window %d KiB, ratio %.2f (goal <= 1.5)\n", pm, tm, pm / tm
    printf "for comparison:  bare window without the faces %.3f s, %d KiB; ", bt, bm
    printf "program against it: time %.2f, memory %.2f\n", pt / bt, pm / bm
}'
