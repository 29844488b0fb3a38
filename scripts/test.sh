#!/usr/bin/env bash
# Installs what is missing, builds everything, runs every test, builds and
# checks the Debian package (scripts/package.sh), then gives
# each fuzz target a short run under AddressSanitizer and
# UndefinedBehaviorSanitizer. (scripts/test-windows-sanitized.sh runs the
# window tests under the same sanitizers; it joins this run once it is green
# on the whole tree.)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
build=${LMK17_BUILD_DIR:-$root/build}
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
"$root/scripts/package.sh"
"$root/scripts/fuzz.sh" "${LMK17_FUZZ_SECONDS:-20}"
