# Sourced helpers: a private Xvfb (or Xephyr) on a display number it picks itself.
#   xvfb_start WxHxD   sets XVFB_DISPLAY (":N") and XVFB_PID
#   xvfb_stop PID
# X_SERVER_ARGS (an array), when set, goes to every server started.
xvfb_start() {
  x_server_start Xvfb -screen 0 "$1" && XVFB_DISPLAY=$X_DISPLAY XVFB_PID=$X_PID
}

# xephyr_start WxH...: on $DISPLAY, a Xephyr with one screen per size, side
# by side under Xinerama (the first at the origin); sets XEPHYR_DISPLAY and
# XEPHYR_PID. Stop it with xvfb_stop.
xephyr_start() {
  local screens=() s
  for s in "$@"; do screens+=(-screen "$s"); done
  x_server_start Xephyr "${screens[@]}" +xinerama && XEPHYR_DISPLAY=$X_DISPLAY XEPHYR_PID=$X_PID
}

# xorg_dummy_start WxH: Xorg's dummy driver, a desk whose monitors can be
# plugged, unplugged and resized from outside (xrandr; outputs DUMMY0 to
# DUMMY15), DUMMY0 at WxH; sets XORG_DISPLAY, XORG_PID and XORG_DIR (its
# configuration and log; remove it after xvfb_stop). Needs root.
xorg_dummy_start() {
  XORG_DIR=$(mktemp -d)
  mkdir "$XORG_DIR/conf.d"
  cat >"$XORG_DIR/xorg.conf" <<CONF
Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "AutoEnableDevices" "false"
EndSection
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 256000
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0-2000.0
  VertRefresh 5.0-1000.0
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Modes "$1"
    Virtual 3000 1300
  EndSubSection
EndSection
CONF
  x_server_start Xorg -config "$XORG_DIR/xorg.conf" -configdir "$XORG_DIR/conf.d" -logfile "$XORG_DIR/log" &&
    XORG_DISPLAY=$X_DISPLAY XORG_PID=$X_PID
}

# x_server_start SERVER ARGS...: an X server that picks its display number
# itself; sets X_DISPLAY and X_PID.
x_server_start() {
  local server=$1 fifo n=""
  shift
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  "$server" -displayfd 3 "$@" ${X_SERVER_ARGS[@]+"${X_SERVER_ARGS[@]}"} -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  X_PID=$!
  read -r -t 20 n <"$fifo" || true
  rm -f "$fifo"
  if [ -z "$n" ]; then
    echo "$server: no display came up within 20 s" >&2
    kill "$X_PID" 2>/dev/null || true
    return 1
  fi
  X_DISPLAY=":$n"
}

xvfb_stop() {
  local pid=$1
  kill "$pid" 2>/dev/null || return 0
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
  kill -9 "$pid" 2>/dev/null || true
}
