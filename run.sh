#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tolvane. Until the desktop program exists this shows
# what the document model reads from a sample page, with the command-line tool.
set -euo pipefail
cd "$(dirname "$0")"
tools/build.sh
page="${1:-examples/sample.html}"
build/src/tolvane-cli info "$page"
exec build/src/tolvane-cli elements "$page"
