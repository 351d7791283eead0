#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
bench/fetch-corpus.sh  # large real pages for the round-trip tests
tools/build.sh
cd build
ctest --output-on-failure -j2
