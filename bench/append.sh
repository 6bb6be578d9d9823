#!/usr/bin/env bash
# 100 000 result lines through the output box's append path (offscreen).
#   bench/append.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cmake --build "$build" --target append_bench
exec "$build/bench/append_bench"
