#!/usr/bin/env bash
# Refreshes the README's pictures from the end-to-end scenarios that take
# them (a session over an ordinary desktop, the settings dialog in Japanese
# and in English, the preview): runs those scenarios and copies what they
# kept into docs/.
#   tools/screenshots.sh [build-dir]    (default build/win, built if needed)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/win}

tools/install-deps.sh
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"
rm -rf "$build/screenshots"
tools/testenv.sh "$build" ctest --test-dir "$build" --output-on-failure \
  -R '^e2e\.(showcase|preview|settings_dialog_banner|settings_dialog_english|session_monitors)$'

mkdir -p docs/screenshots
convert "$build/screenshots/session.png" -resize 640x "docs/screenshots/session.png"
# The Xinerama screen's corner below the smaller monitor belongs to no monitor.
convert "$build/screenshots/monitors.png" -fill black -draw "rectangle 1280,768 2303,1023" -resize 900x "docs/screenshots/monitors.png"
cp "$build/screenshots/dialog.png" docs/screenshots/dialog.png
cp "$build/screenshots/dialog-en.png" docs/screenshots/dialog-en.png
# The preview area is 152 x 112; shown twice as large, pixel for pixel.
convert "$build/screenshots/preview.png" -scale 200% docs/screenshots/preview.png
ls -l docs/screenshots
