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
