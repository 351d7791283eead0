#!/usr/bin/env bash
# Installs what the build needs, then configures and builds into build/. Extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh build-essential cmake libgtest-dev \
  qt6-base-dev qt6-webengine-dev qt6-tools-dev qt6-l10n-tools xvfb xauth adwaita-icon-theme \
  libreoffice-writer libreoffice-dev libreoffice-dev-common
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build build -j2
