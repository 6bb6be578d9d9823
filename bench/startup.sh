#!/usr/bin/env bash
# Start-up time and memory of Angulor against the bare window, side by side under one Xvfb.
#   bench/startup.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
rounds="${2:-11}"
cmake --build "$build" --target angulor bare_window startup_probe
unset QT_QPA_PLATFORM
exec xvfb-run -a -s '-screen 0 1280x1024x24' \
    "$build/bench/startup_probe" "$rounds" \
    "angulor=$build/bin/angulor" "bare=$build/bench/bare_window"
