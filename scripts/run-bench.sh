#!/usr/bin/env bash
# Runs every benchmark offscreen and prints its figures.
set -euo pipefail
build=${1:-build}
export QT_QPA_PLATFORM=offscreen
echo "== listing a folder of 100,000 entries"
"$build/bench/bench_listing"
echo "== printing the listing of 10,000 and 100,000 entries; all of 200,000 to a PDF file, against drawText"
"$build/bench/bench_print"
echo "== the main window opening folders of 10,000 and 100,000 entries (BENCH_MILLION=1 adds 1,000,000)"
"$build/bench/bench_window" ${BENCH_MILLION:+--million}
echo "== copying one 1 GiB file and 20,000 small files, against cp -a"
"$build/bench/bench_copy"
echo "== thumbnails of 2,000 photos in Large Icons, cold and warm, against a plain decode loop"
"$build/bench/bench_thumbnails"
echo "== packing 1 GiB of files into tar.gz and unpacking it, against tar czf and tar xzf (BENCH_ARCHIVE_MIB=N for another size)"
"$build/bench/bench_archives" --mib "${BENCH_ARCHIVE_MIB:-1024}"
echo "== the history: a paste of 20,000 small files with and without it, and its undo against trashing the copies"
"$build/bench/bench_undo"
echo "== Find by name and by content in 500,025 entries, against find -iname, fdfind and grep -rl"
"$build/bench/bench_find"
