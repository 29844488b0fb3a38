#!/usr/bin/env bash
# A tour of lmk17-cli on the built-in software transmitter: no hardware needed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LMK17_BUILD_DIR:-$root/build}
cli=$build/src/lmk17-cli
sim=$build/sim/lmk17-sim
work=$(mktemp -d)
link=$work/line
"$sim" --link "$link" --type K8620L31 --firmware 1.91 --pv sine:50:10:60 >"$work/sim.out" 2>&1 &
simpid=$!
trap 'kill $simpid 2>/dev/null || true; wait $simpid 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done

step() { printf '\n$ lmk17-cli %s\n' "$*"; "$cli" "$@" || printf '(exit %d)\n' $?; }
step frame read 101 int32 --address 5
step --port "$link" identify
step --port "$link" --yes read -o "$work/transmitter.ptf"
step show "$work/transmitter.ptf"
step ordering-code "$work/transmitter.ptf"
step --port "$link" pv --count 3 --interval 0.5
step --port "$link" --yes write "$work/transmitter.ptf"
