#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tolvane.
set -euo pipefail
cd "$(dirname "$0")"
tools/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  echo "Tolvane is a desktop program: start it in a desktop session, or on a virtual display with" >&2
  echo "  xvfb-run -a -s '-screen 0 1400x900x24' ./run.sh" >&2
  exit 1
fi
# The web engine's sandbox cannot start as root.
if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
exec build/src/tolvane
