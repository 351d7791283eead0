#!/usr/bin/env bash
# Builds a fuzz target with clang in build-fuzz/ and runs it for the given number of seconds
# (default 300), seeded from the test fixtures:
#   tests/fuzz/run.sh [document|blocks] [SECONDS]
# document: the document model (load, write back, reads, one edit); blocks: the scan, the
# write-back of every block's own text, export and import. Each target's corpus grows in
# build-fuzz/corpus-<target>/; a crashing input is kept as build-fuzz/crash-* and the script
# exits non-zero.
set -euo pipefail
cd "$(dirname "$0")/../.."
target=${1:-document}_fuzz
seconds=${2:-300}

tools/install-deps.sh cmake clang libclang-rt-14-dev
cmake -S . -B build-fuzz -DTOLVANE_FUZZ=ON -DTOLVANE_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j2 --target "$target"

mkdir -p "build-fuzz/corpus-$target" build-fuzz/seeds
cp tests/fixtures/*.html build-fuzz/seeds/
cd build-fuzz
"./tests/fuzz/$target" -max_len=65536 -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix=./ "corpus-$target" seeds
