#!/usr/bin/env bash
# A short tour of lmk17-cli on the software transmitter.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LMK17_BUILD_DIR:-$root/build}
cli=$build/src/lmk17-cli
step() { printf '\n$ %s\n' "$*"; "$@"; }
step "$cli" frame read 101 int32 --address 5
step "$cli" frame write 220 float -200
step "$cli" decode 10 1F 00 04 23 16 --type int16 --param 111
