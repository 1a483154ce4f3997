#!/usr/bin/env bash
# Runs every benchmark offscreen and prints its figures.
set -euo pipefail
build=${1:-build}
export QT_QPA_PLATFORM=offscreen
echo "== listing a folder of 100,000 entries"
"$build/bench/bench_listing"
echo "== printing the listing of 10,000 and 100,000 entries"
"$build/bench/bench_print"
