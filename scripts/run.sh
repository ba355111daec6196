#!/usr/bin/env bash
# Sets up what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target quirvale2

program=build/default/app/quirvale2
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display is available: the program's window needs a desktop (a graphical session)."
  echo "Start it from a terminal of your desktop, or run it on a virtual display:"
  echo "  xvfb-run -a $program"
  exit 0
fi
exec "$program"
