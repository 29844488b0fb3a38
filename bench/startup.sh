#!/usr/bin/env bash
# Cold start of the desktop program to its shown main window: starts lmk17
# with a fresh settings folder (no port stored, so nothing but the window),
# lets it quit as soon as the window is exposed, and prints the wall time of
# each run and the median. Needs a display; without one it runs under
# xvfb-run. Usage: bench/startup.sh [RUNS] (default 7).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LMK17_BUILD_DIR:-$root/build}
program=$build/src/lmk17
runs=${1:-7}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${LMK17_UNDER_XVFB:-}" ]; then
    LMK17_UNDER_XVFB=1 exec xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "$@"
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
times=()
for i in $(seq "$runs"); do
    rm -rf "$home/.config"
    start=$(date +%s%N)
    HOME=$home XDG_CONFIG_HOME=$home/.config LMK17_QUIT_WHEN_SHOWN=1 "$program"
    end=$(date +%s%N)
    ms=$(( (end - start) / 1000000 ))
    times+=("$ms")
    echo "run $i: ${ms} ms"
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
echo "cold start to shown main window: median ${median} ms over ${runs} runs"
