#!/usr/bin/env bash
# One screen size of the frame-rate bench, inside tools/testenv.sh (whose
# Xvfb has exactly that size): every contender in turn, the order rotated
# from round to round so that drift in the machine's load hits all of them.
#   frame-rate-contenders.sh <build-dir> <seconds> <rounds> <fixed-frames> <swap_counter.so>
# Prints one line of name=value pairs per run; bench/run-frame-rate.sh sums them up.
set -euo pipefail
build=$1 secs=$2 rounds=$3 fixed=$4 counter=$5
exe=$build/bench/frame_rate.exe
size=$(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9]*x[0-9]*\) pixels.*/\1/p')
w=${size%x*} h=${size#*x}
hacks=/usr/libexec/xscreensaver
dir="$WINEPREFIX/drive_c/velnora_bench"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$dir"
# The snapshot the saver would take: one the size of the screen.
convert -size "$size" gradient:'#203080-#e0c040' -type truecolor BMP3:"$dir/snapshot.bmp"

wine_run() {  # mode seconds|fN: a run of frame_rate.exe, with the wall time of its launch
  local launch line
  launch=$(date +%s.%N)
  line=$(timeout 180 wine "$exe" "$1" "$w" "$h" "$2" 'C:\velnora_bench\snapshot.bmp' 2>/dev/null | grep '^mode=' || true)
  if [ -z "$line" ]; then
    echo "contender=$1 round=$round workload=${2:0:1} failed=1"
    return
  fi
  echo "contender=$1 round=$round launch_unix=$launch $line"
}

# XScreenSaver's GL hacks, natively on the root window; their swaps counted
# by the shim. The rate is taken over `secs` seconds after one of warm-up
# (the hacks grab a desktop image when they start).
swaps_at() {  # log: "<swaps> <seconds>" once the hack has swapped at all
  [ -s "$1" ] && awk 'NF == 2 {print $1, $2}' "$1"
}
hack_run() {  # name
  local bin=$hacks/$1 log=$tmp/$1.log pid n0 s0 n1 s1 now
  rm -f "$log"
  VELNORA_SWAP_LOG=$log LD_PRELOAD=$counter setsid "$bin" -root -delay 0 >/dev/null 2>&1 &
  pid=$!
  n0="" n1=""
  for _ in $(seq $(( (secs + 30) * 10 ))); do
    sleep 0.1
    now=$(swaps_at "$log" || true)
    [ -n "$now" ] || continue
    if [ -z "$n0" ]; then
      awk -v s="${now#* }" 'BEGIN {exit !(s >= 1)}' && read -r n0 s0 <<<"$now"
    elif awk -v s="${now#* }" -v s0="$s0" -v d="$secs" 'BEGIN {exit !(s - s0 >= d)}'; then
      read -r n1 s1 <<<"$now"
      break
    fi
  done
  # The hack leads its own process group (setsid): end the group, children and all.
  kill -TERM -- "-$pid" 2>/dev/null || kill -TERM "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  # The first Wine window after a GL client on the root window takes
  # 50-200 ms longer to create; an unrecorded run pays that instead of the
  # next contender's start-up.
  sleep 1
  wine_run clear f10 >/dev/null
  if [ -z "$n1" ]; then
    echo "contender=$1 round=$round workload=t failed=1"
    return
  fi
  awk -v c="$1" -v r="$round" -v n0="$n0" -v s0="$s0" -v n1="$n1" -v s1="$s1" -v sz="$size" 'BEGIN {
    printf "contender=%s round=%s mode=%s size=%s workload=timed fps=%.2f frames=%d seconds=%.3f\n", c, r, c, sz, (n1 - n0) / (s1 - s0), n1 - n0, s1 - s0
  }'
}

contenders=(renderer previous clear)
for hack in flipscreen3d gleidescope; do
  if [ -x "$hacks/$hack" ]; then
    contenders+=("$hack")
  else
    echo "note=$hack-not-installed: install xscreensaver-gl to compare with it" >&2
  fi
done

# One run unrecorded: Wine's own services and the page cache warm up for all alike.
round=warm-up
wine_run clear f10 >/dev/null
n=${#contenders[@]}
for round in $(seq 0 $((rounds - 1))); do
  for i in $(seq 0 $((n - 1))); do
    c=${contenders[$(( (i + round) % n ))]}
    case $c in
      renderer | previous | clear) wine_run "$c" "$secs" ;;
      *) hack_run "$c" ;;
    esac
  done
  # The fixed workload: the same frames at the same t for the three programs
  # of ours, the two drawings back to back, which one first alternating.
  if [ $((round % 2)) -eq 0 ]; then pair=(renderer previous); else pair=(previous renderer); fi
  for c in "${pair[@]}" clear; do
    wine_run "$c" "f$fixed"
  done
done
