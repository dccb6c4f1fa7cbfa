#!/usr/bin/env bash
# One demo inside the test environment (see tools/demo.sh): DEMO_MODE is
# session, dialog or preview.
set -uo pipefail
dist=$PWD/dist
work="$WINEPREFIX/drive_c/q_dorn_temp"
seconds=${DEMO_SECONDS:-15}
mode=${DEMO_MODE:-session}

probe() { timeout 20 wine "$PWD/build/win/tests/e2e/velprobe.exe" "$@" 2>/dev/null; }
# wait_for TITLE PID: until a window of that title is up, or the process is gone.
wait_for() {
  for _ in $(seq 150); do probe find "$1" >/dev/null && return 0; kill -0 "$2" 2>/dev/null || return 1; sleep 0.1; done
  return 1
}
shot() { import -window root "$1" && echo "demo: screenshot in $1"; }

# A private screen starts black: give it a desktop worth taking a snapshot of.
if [ "$VELNORA_PRIVATE_DISPLAY" = 1 ]; then
  read -r w h <<<"$(xdpyinfo | awk '/dimensions:/ {sub("x", " ", $2); print $2; exit}')"
  desk=$(mktemp --suffix=.png)
  convert -size "${w}x${h}" gradient:'#1d3557-#a8dadc' \
    -fill '#e63946' -draw "rectangle $((w / 10)),$((h / 8)) $((w / 2)),$((h / 2))" \
    -fill '#f1faee' -draw "circle $((w * 7 / 10)),$((h * 2 / 3)) $((w * 7 / 10 + h / 6)),$((h * 2 / 3))" \
    -fill '#457b9d' -draw "rectangle $((w / 5)),$((h * 3 / 5)) $((w * 2 / 5)),$((h * 9 / 10))" "$desk"
  timeout 10 display -window root "$desk" >/dev/null 2>&1 || true
  rm -f "$desk"
fi

case $mode in
  session|dialog)
    # What the host runs, its window, the picture, how the demo ends it, what a user does.
    if [ "$mode" = session ]; then
      args=/s title=Ondrel_VC picture=out/demo.png end=(xdotool key Escape)
      hint="press Escape in the saver to end it"
    else
      args=/c title='■Velnora■' picture=out/demo-dialog.png end=(probe close '■Velnora■')
      hint="choose music and press 設定 (set), or ｷｬﾝｾﾙ (cancel) or the close box"
    fi
    echo "demo: Velnora.scr $args on display $DISPLAY"
    timeout -k 5 $((seconds + 600)) wine "$dist/Velnora.scr" $args &
    pid=$!
    if wait_for "$title" $pid; then
      if [ "$VELNORA_PRIVATE_DISPLAY" = 1 ]; then
        sleep "$seconds"; shot "$picture"; "${end[@]}" >/dev/null
      else
        echo "demo: $hint"
      fi
    fi ;;
  preview)
    # Wine 8 shows nothing one process paints into another's window, so the
    # preview form is shown by preview_gallery: the same code, in a window of
    # its own process, at the Screen Saver Settings' 152 x 112.
    run=$seconds
    [ "$VELNORA_PRIVATE_DISPLAY" = 1 ] || run=60
    echo "demo: the preview (152 x 112) on display $DISPLAY"
    timeout -k 5 $((run + 30)) wine "$PWD/build/win/tests/e2e/preview_gallery.exe" 152 112 "$run" >/dev/null 2>&1 &
    pid=$!
    if [ "$VELNORA_PRIVATE_DISPLAY" = 1 ]; then
      sleep 5; shot out/demo-preview.png
    else
      echo "demo: the preview shows for $run seconds; close its window to end it sooner"
    fi ;;
esac
wait $pid; rc=$?
echo "demo: ended with exit code $rc"
if [ -f "$work/Velnora.ini" ]; then
  echo "demo: the demo's settings file C:\\q_dorn_temp\\Velnora.ini:"
  iconv -f CP932 -t UTF-8 "$work/Velnora.ini" | sed 's/^/   /'
fi
exit $rc
