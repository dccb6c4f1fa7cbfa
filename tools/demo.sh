#!/usr/bin/env bash
# The main job: builds the two programs and shows them under Wine, on the
# current display when there is one (DISPLAY set and answering), else on a
# private virtual screen:
#   tools/demo.sh            a saver session (Velnora.scr /s), the default
#   tools/demo.sh dialog     the settings dialog (Velnora.scr /c)
#   tools/demo.sh preview    the preview, as the Screen Saver Settings' little
#                            monitor shows it
# (or DEMO_MODE=session|dialog|preview). On a real display, Escape ends the
# session, the dialog's buttons or close box end the dialog, the preview
# ends after 60 s; on a virtual screen the demo ends each itself after
# DEMO_SECONDS (default 15) and keeps a screenshot in out/demo.png,
# out/demo-dialog.png or out/demo-preview.png.
# The demo has a Wine prefix of its own (build/win/demo-prefix), so its work
# folder C:\q_dorn_temp holds only what the demo's saver and dialog wrote:
# music chosen in the dialog demo plays in the next session demo.
# DEMO_MONITORS names a desk of several monitors side by side, for example
# "1280x1024 1024x768": Wine reads several monitors from Xinerama, so that
# desk is always a private Xephyr (with a demo prefix of its own).
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-${DEMO_MODE:-session}}
case $mode in
  session|dialog|preview) ;;
  -h|--help) sed -n '2,19p' "$0"; exit 0 ;;
  *) echo "demo: unknown mode '$mode' (session, dialog or preview)" >&2; exit 2 ;;
esac

tools/install-deps.sh
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win -j"$(nproc)" --target velnora_host velnora_renderer velprobe preview_gallery
mkdir -p out

monitors=${DEMO_MONITORS:-}
DEMO_MODE=$mode VELNORA_DISPLAY=current VELNORA_MONITORS=$monitors \
  VELNORA_WINEPREFIX="$PWD/build/win/demo-prefix${monitors:+-monitors}" \
  exec tools/testenv.sh build/win bash tools/demo-session.sh
