#!/usr/bin/env bash
# The window's commands with 0, 10, 10 000 and 100 000 lines in the output box (offscreen).
#   bench/output.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cmake --build "$build" --target output_bench
exec "$build/bench/output_bench"
