#!/usr/bin/env bash
# Builds the parse benchmark in build-bench/ and runs it on the corpus: the speed of both parsers,
# then the peak memory of loading the largest page, in a process of its own.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh build-essential cmake pkg-config libgumbo-dev
bench/fetch-corpus.sh
cmake -S . -B build-bench -DTOLVANE_BENCH=ON -DTOLVANE_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench -j2 --target parse_bench scan_bench

status=0
build-bench/bench/parse_bench bench/corpus || status=$?
largest=$(find bench/corpus -maxdepth 1 -name '*.html' -type f -printf '%s %p\n' |
  awk '$1 > size {size = $1; page = $2} END {print page}')
build-bench/bench/parse_bench --memory "$largest" || status=$?
build-bench/bench/scan_bench bench/corpus || status=$?
exit "$status"
