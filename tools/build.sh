#!/usr/bin/env bash
# Installs what the build needs, then configures and builds into build/. Extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh build-essential cmake libgtest-dev
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build build -j2
