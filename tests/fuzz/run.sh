#!/usr/bin/env bash
# Builds the document fuzz target with clang in build-fuzz/ and runs it for the given number of
# seconds (default 300), seeded from the test fixtures. Its corpus grows in build-fuzz/corpus/;
# a crashing input is kept as build-fuzz/crash-* and the script exits non-zero.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-300}

tools/install-deps.sh cmake clang libclang-rt-14-dev
cmake -S . -B build-fuzz -DTOLVANE_FUZZ=ON -DTOLVANE_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j2 --target document_fuzz

mkdir -p build-fuzz/corpus build-fuzz/seeds
cp tests/fixtures/*.html build-fuzz/seeds/
cd build-fuzz
./tests/fuzz/document_fuzz -max_len=65536 -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix=./ corpus seeds
