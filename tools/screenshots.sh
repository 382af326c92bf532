#!/usr/bin/env bash
# Refreshes docs/screenshots/: every window of the program at its default size,
# drawn under Xvfb (falls back to Qt's offscreen platform without it).
set -euo pipefail
cd "$(dirname "$0")/.."
./ked build
out=docs/screenshots
mkdir -p "$out"
if command -v xvfb-run >/dev/null; then
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/ked_screenshots "$out"
else
  QT_QPA_PLATFORM=offscreen build/bin/ked_screenshots "$out"
fi
ls "$out"
