#!/usr/bin/env bash
# The main job: builds the two programs and runs a saver session of them
# under Wine, on the current display when there is one (DISPLAY set and
# answering), else on a private virtual screen. Press Escape to end the
# session on a real display; on a virtual one the demo ends it itself after
# DEMO_SECONDS and keeps a screenshot in out/. DEMO_MONITORS names a desk of
# several monitors side by side, for example "1280x1024 1024x768": Wine reads
# several monitors from Xinerama, so that desk is always a private Xephyr.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win -j"$(nproc)" --target velnora_host velnora_renderer velprobe
mkdir -p out

VELNORA_MONITORS=${DEMO_MONITORS:-} VELNORA_DISPLAY=current exec tools/testenv.sh build/win bash tools/demo-session.sh
