#!/usr/bin/env bash
# Two monitors against one: the renderer drawing one 1280 x 1024 window, and
# drawing it together with a 1024 x 768 window beside it (own context and
# picture, one moment a round), alternating within each round on one virtual
# screen of 2304 x 1024 under Wine on llvmpipe. Prints, per round and as
# medians, the pixels drawn a second (two windows / one) for a fixed
# workload (the same FRAMES rounds at t = i / 60 s) and for SECONDS on the
# real clock, and the first frame from the launch of wine (two / one).
#   bench/run-monitors.sh [build-dir=build/win] [seconds=5] [rounds=5]   (FRAMES=300)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/win}" && pwd)
export SECS=${2:-5} ROUNDS=${3:-5} FRAMES=${FRAMES:-300} EXE=$build/bench/frame_rate.exe
out=$build/bench/monitors.txt
mkdir -p "$build/bench"

VELNORA_SCREEN=2304x1024x24 "$root/tools/testenv.sh" "$build" bash -c '
  set -eu
  dir="$WINEPREFIX/drive_c/velnora_bench"; mkdir -p "$dir"
  convert -size 1280x1024 gradient:"#203080-#e0c040" -type truecolor BMP3:"$dir/snapshot.bmp"
  convert -size 1024x768 gradient:"#802030-#40c0e0" -type truecolor BMP3:"$dir/second.bmp"
  run() {  # label workload [second window]
    local launch line
    launch=$(date +%s.%N)
    line=$(timeout 180 wine "$EXE" renderer 1280 1024 "$2" "C:\\velnora_bench\\snapshot.bmp" "${@:3}" 2>/dev/null \
      | grep "^mode=" || true)
    echo "windows=$1 round=$round launch_unix=$launch ${line:-failed=1}"
  }
  for round in warm-up $(seq "$ROUNDS"); do
    for w in t f; do
      wl=$([ $w = t ] && echo "$SECS" || echo "f$FRAMES")
      if [ $((${round/warm-up/0} % 2)) = 0 ]; then order="1 2"; else order="2 1"; fi
      for n in $order; do
        if [ $n = 1 ]; then run 1 "$wl"; else run 2 "$wl" 1024x768 "C:\\velnora_bench\\second.bmp"; fi
      done
    done
  done' | grep -v 'round=warm-up' | tee "$out"

awk '
  function median(k,    i, j, t, a, m) {
    m = cnt[k]; if (!m) return 0
    for (i = 0; i < m; i++) a[i] = val[k, i]
    for (i = 1; i < m; i++) for (j = i; j > 0 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
    return m % 2 ? a[(m - 1) / 2] : (a[m / 2 - 1] + a[m / 2]) / 2
  }
  function add(k, v) { val[k, cnt[k]++] = v }
  {
    delete f
    for (i = 1; i <= NF; i++) { split($i, kv, "="); f[kv[1]] = kv[2] }
    if (f["failed"] || f["fps"] == "") next
    px = f["windows"] == 2 ? 1280 * 1024 + 1024 * 768 : 1280 * 1024
    pps[f["windows"], f["workload"], f["round"]] = f["fps"] * px
    fps[f["windows"], f["workload"], f["round"]] = f["fps"]
    if (f["workload"] == "timed") first[f["windows"], f["round"]] = 1000 * (f["first_frame_unix"] - f["launch_unix"])
    rounds[f["round"]] = 1
  }
  END {
    for (r in rounds) {
      for (w = 1; w <= 2; w++) {
        wl = w == 1 ? "timed" : "fixed"
        if (pps[1, wl, r] && pps[2, wl, r]) {
          add(wl, pps[2, wl, r] / pps[1, wl, r]); add(wl "1", fps[1, wl, r]); add(wl "2", fps[2, wl, r])
          printf "round %s %s: one window %.1f fps, two %.1f rounds/s, pixels a second two / one %.2f\n", r, wl, fps[1, wl, r], fps[2, wl, r], pps[2, wl, r] / pps[1, wl, r]
        }
      }
      if (first[1, r] && first[2, r]) { add("first", first[2, r] / first[1, r]); add("first1", first[1, r]); add("first2", first[2, r]) }
    }
    printf "medians: pixels a second two / one: fixed %.2f (%.1f fps vs %.1f rounds/s), timed %.2f (%.1f vs %.1f)\n", median("fixed"), median("fixed1"), median("fixed2"), median("timed"), median("timed1"), median("timed2")
    printf "first frame from the launch of wine: one %.0f ms, two %.0f ms, two / one %.2f (median of the paired ratios)\n", median("first1"), median("first2"), median("first")
  }' "$out"
