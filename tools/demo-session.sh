#!/usr/bin/env bash
# One saver session inside the test environment (see tools/demo.sh).
set -uo pipefail
dist=$PWD/dist
work="$WINEPREFIX/drive_c/q_dorn_temp"
seconds=${DEMO_SECONDS:-15}

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

echo "demo: Velnora.scr /s on display $DISPLAY"
timeout -k 5 $((seconds + 600)) wine "$dist/Velnora.scr" /s &
host=$!

# The renderer's window, when a renderer is there to open it.
probe() { timeout 20 wine "$PWD/build/win/tests/e2e/velprobe.exe" "$@" 2>/dev/null; }
for _ in $(seq 100); do probe find Ondrel_VC >/dev/null && break; kill -0 $host 2>/dev/null || break; sleep 0.1; done

if probe find Ondrel_VC >/dev/null; then
  if [ "$VELNORA_PRIVATE_DISPLAY" = 1 ]; then
    sleep "$seconds"
    import -window root out/demo.png && echo "demo: screenshot in out/demo.png"
    xdotool key Escape
  else
    echo "demo: press Escape in the saver to end it"
  fi
fi
wait $host; rc=$?
echo "demo: host ended with exit code $rc"
if [ -f "$work/Velnora.ini" ]; then
  echo "demo: settings file C:\\q_dorn_temp\\Velnora.ini:"
  iconv -f CP932 -t UTF-8 "$work/Velnora.ini" | sed 's/^/   /'
fi
exit $rc
