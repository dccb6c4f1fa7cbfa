#!/usr/bin/env bash
# The runs of bench/run-pacing.sh, inside tools/testenv.sh on Xorg's dummy
# driver: each renderer in turn at each mode, the order alternating from
# round to round. Prints one line of name=value pairs per run.
#   pacing-contenders.sh <source-dir> <velprobe.exe>   (THIS, OTHER, SECS, ROUNDS from the environment)

set -e
VELNORA_SOURCE=$1 VELNORA_DIST=$THIS VELNORA_PROBE=$2
. "$VELNORA_SOURCE/tests/e2e/lib.sh"
work=$WORK_DIR
mkdir -p "$work"
# mode WxH HZ: the primary at that mode; a rate no mode has yet gets one from cvt.
mode() {
  if ! xrandr | grep -q "^ *$1 .*\b$2\.[0-9]"; then
    local line name
    line=$(cvt ${1%x*} ${1#*x} $2 | sed -n "s/^Modeline //p"); name=$(eval "set -- $line"; echo "$1")
    eval "xrandr --newmode $line" 2>/dev/null || true
    xrandr --addmode DUMMY0 "$name"
    xrandr --output DUMMY0 --mode "$name"
  else
    xrandr --output DUMMY0 --mode "$1" --rate "$2"
  fi
  xrandr >/dev/null
  printf "[Settings]\r\nWidth=%s\r\nHeight=%s\r\n" ${1%x*} ${1#*x} >"$work/Velnora.ini"
  convert -size "$1" gradient:"#203080-#e0c040" -type truecolor BMP3:"$work/Ondrel.alo"
  sleep 1
}
run() {  # label dist-dir size hz
  local pid rpid t0 t1 from
  : >"$SCENARIO_TMP/wine.log"
  WINEDEBUG=+timestamp,+wgl start "$2/Velnora.dll"
  pid=$LAST_PID
  wait_window Ondrel_VC 20
  sleep 2  # past start-up: texture built, first frames drawn
  rpid=$(unix_pid_of Velnora.dll)
  t0=$(awk "{print \$14 + \$15}" "/proc/$rpid/stat"); from=$(wc -l <"$SCENARIO_TMP/wine.log")
  sleep "$SECS"
  t1=$(awk "{print \$14 + \$15}" "/proc/$rpid/stat")
  tail -n +"$((from + 1))" "$SCENARIO_TMP/wine.log" | grep -a -c wglSwapBuffers |
    awk -v l="$1" -v s="$3" -v hz="$4" -v r="$round" -v secs="$SECS" \
      -v cpu="$(( (t1 - t0) * 100 / (SECS * $(getconf CLK_TCK)) ))" \
      "{ printf \"round=%s size=%s hz=%s renderer=%s fps=%.1f cpu=%d cpu_ms_per_frame=%.2f\n\", r, s, hz, l, \$1 / secs, cpu, cpu * 10 * secs / (\$1 ? \$1 : 1) }"
  xdotool search --onlyvisible --name Ondrel_VC windowfocus --sync >/dev/null 2>&1 || true
  send_key Escape
  wait_exit "$pid" 10 >/dev/null
}
for setting in "1024x768 60" "1280x1024 60" "1024x768 480"; do
  set -- $setting
  mode "$1" "$2"
  for round in $(seq "$ROUNDS"); do
    if [ $((round % 2)) -eq 1 ]; then order="this other"; else order="other this"; fi
    for who in $order; do
      if [ "$who" = this ]; then run this "$THIS" "$1" "$2"; else run other "$OTHER" "$1" "$2"; fi
    done
  done
done
