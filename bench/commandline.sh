#!/usr/bin/env bash
# Lines per second of the command line's conversions, standard input to standard output, over
# a generated file of radian values and one of written angles; also the largest resident size,
# which must not grow with the input, and the reasons of any refused lines.
#   bench/commandline.sh [BUILD_DIR] [LINES]
# BUILD_DIR defaults to build-release, configured as an optimised build when it does not exist.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-release}"
lines="${2:-1000000}"
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DANGULOR_TESTS=OFF >/dev/null
fi
cmake --build "$build" --target angulor >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Radians within the turn with up to 12 decimals, some negative, some with a comma; and angles
# in the written forms: marks with a hemisphere letter, blanks, colons, decimal minutes. All
# are within range (minutes and seconds up to 59), so every line takes the whole path.
awk -v n="$lines" 'BEGIN {
    srand(1)
    for (i = 0; i < n; i++) {
        r = sprintf("%.*f", int(rand() * 13), rand() * 6.2)
        if (i % 3 == 0) r = "-" r
        if (i % 7 == 0) sub(/\./, ",", r)
        print r > "/dev/stdout"
        d = int(rand() * 360); m = int(rand() * 59); s = rand() * 58.9
        k = i % 4
        if (k == 0) a = sprintf("%d°%d'\''%.2f\"%s", d, m, s, (i % 8 == 0) ? "N" : "W")
        else if (k == 1) a = sprintf("%d %d %.1f", d, m, s)
        else if (k == 2) a = sprintf("-%d:%d:%d", d, m, int(s))
        else a = sprintf("%d° %.3f'\''", d, m + s / 60)
        print a > "/dev/stderr"
    }
}' >"$work/radians.txt" 2>"$work/angles.txt"

run() { # name option file
    local start end status
    start=$(date +%s%N)
    status=0
    echo 0 >"$work/rss"
    local timer=()
    [ -x /usr/bin/time ] && timer=(/usr/bin/time -f %M -o "$work/rss")
    "${timer[@]}" "$build/bin/angulor" "$2" <"$3" >"$work/out" 2>"$work/err" || status=$?
    end=$(date +%s%N)
    local printed failed
    printed=$(wc -l <"$work/out")
    failed=$(wc -l <"$work/err")
    awk -v name="$1" -v n="$lines" -v ns="$((end - start))" -v rss="$(tail -n 1 "$work/rss")" \
        -v printed="$printed" -v failed="$failed" -v status="$status" 'BEGIN {
        printf "%-12s %9d lines in %6.3f s: %9.0f lines/s, %d printed, %d refused (status %d), max RSS %d KiB\n",
               name, n, ns / 1e9, n / (ns / 1e9), printed, failed, status, rss
    }'
    sed 's/^angulor: line [0-9]*: //' "$work/err" | sort | uniq -c | sort -rn | head -n 3
}
run --to-degrees --to-degrees "$work/radians.txt"
run --to-radians --to-radians "$work/angles.txt"
