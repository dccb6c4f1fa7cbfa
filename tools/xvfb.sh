# Sourced helpers: a private Xvfb on a display number it picks itself.
#   xvfb_start WxHxD   sets XVFB_DISPLAY (":N") and XVFB_PID
#   xvfb_stop PID
xvfb_start() {
  local geometry=$1 fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "$geometry" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local n=""
  read -r -t 20 n <"$fifo" || true
  rm -f "$fifo"
  if [ -z "$n" ]; then
    echo "xvfb: no display came up within 20 s" >&2
    kill "$XVFB_PID" 2>/dev/null || true
    return 1
  fi
  XVFB_DISPLAY=":$n"
}

# xephyr_start WxH...: on $DISPLAY, a Xephyr with one screen per size, side
# by side under Xinerama (the first at the origin); sets XEPHYR_DISPLAY and
# XEPHYR_PID. Stop it with xvfb_stop.
xephyr_start() {
  local fifo n="" screens=()
  for s in "$@"; do screens+=(-screen "$s"); done
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xephyr -displayfd 3 "${screens[@]}" +xinerama -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  XEPHYR_PID=$!
  read -r -t 20 n <"$fifo" || true
  rm -f "$fifo"
  if [ -z "$n" ]; then
    echo "xephyr: no display came up within 20 s" >&2
    kill "$XEPHYR_PID" 2>/dev/null || true
    return 1
  fi
  XEPHYR_DISPLAY=":$n"
}

xvfb_stop() {
  local pid=$1
  kill "$pid" 2>/dev/null || return 0
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
  kill -9 "$pid" 2>/dev/null || true
}
