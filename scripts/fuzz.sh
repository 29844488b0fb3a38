#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ (or the folder
# LMK17_FUZZ_BUILD_DIR names) and runs each for the given number of seconds
# (default 60), starting from its seed corpus. LMK17_FUZZ_TARGETS limits the
# run to the targets it names (fuzz_lin_points ...).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=${LMK17_FUZZ_BUILD_DIR:-$root/build-fuzz}
san="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$san" \
    -DLMK17_BUILD_TESTS=OFF -DLMK17_BUILD_BENCHMARKS=OFF -DLMK17_BUILD_GUI=OFF >/dev/null
targets=$(cd "$root/fuzz" && ls *.cpp 2>/dev/null | sed 's/\.cpp$//' | sed 's/^/fuzz_/' | tr '\n' ' ')
targets=${LMK17_FUZZ_TARGETS:-$targets}
[ -n "$targets" ] || exit 0
cmake --build "$build" -j "$(nproc)" --target $targets
for t in $targets; do
    corpus=$build/corpus/$t
    mkdir -p "$corpus"
    seeds=$root/fuzz/seeds/${t#fuzz_}
    [ -d "$seeds" ] && cp -n "$seeds"/* "$corpus"/ 2>/dev/null || true
    echo "fuzzing $t for ${seconds} s"
    "$build/fuzz/$t" -max_total_time="$seconds" -print_final_stats=0 "$corpus" 2>"$build/$t.log" || {
        tail -50 "$build/$t.log"; exit 1; }
    grep -E '^Done|DONE' "$build/$t.log" | tail -1 || true
done
