#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program on its built-in
# default: a demonstration of the command-line program against the software
# transmitter (no hardware needed).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
exec "$root/scripts/demo.sh"
