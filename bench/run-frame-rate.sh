#!/usr/bin/env bash
# Frame rate and start-up of the renderer, side by side with what it is
# measured against, at 1280 x 1024 and 1920 x 1080 (a full-screen window on a
# virtual screen of exactly that size, under Wine on llvmpipe):
#   renderer      Velnora's drawing (InitScene + RenderFrame)
#   previous      the literal drawing it replaced, pixel for pixel the same
#   clear         the minimal GL program: clear and swap in the same window
#   flipscreen3d, gleidescope   XScreenSaver's GL hacks, native, -root -delay 0
#                 (skipped with a note when xscreensaver-gl is not installed)
# Timed runs draw for SECONDS on the real clock, as the saver does; since the
# panel turns a step per frame, a faster contender then draws other views,
# so the three programs of ours also draw a fixed workload: FRAMES frames at
# t = i / 60 s, the same for each. Contenders alternate within each round,
# the order rotated from round to round; ratios pair runs of one round.
#   bench/run-frame-rate.sh [build-dir=build/win] [seconds=5] [rounds=5]   (FRAMES=300)
# Needs the Windows build (bench/frame_rate.exe) and a C compiler for the
# swap counter. Prints figures; never fails a build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/win}" && pwd)
secs=${2:-5}
rounds=${3:-5}
frames=${FRAMES:-300}
out=$build/bench/frame-rate
mkdir -p "$out"
cc -O2 -shared -fPIC "$root/bench/swap_counter.c" -o "$out/swap_counter.so" -ldl

for size in 1280x1024 1920x1080; do
  echo "== $size: $rounds rounds of ${secs} s timed and $frames fixed frames" >&2
  VELNORA_SCREEN=${size}x24 "$root/tools/testenv.sh" "$build" \
    bash "$root/bench/frame-rate-contenders.sh" "$build" "$secs" "$rounds" "$frames" "$out/swap_counter.so" \
    | tee "$out/$size.txt" | grep 'failed=1' >&2 || true
done

for size in 1280x1024 1920x1080; do
  awk -v size="$size" '
    function add(k, v) { val[k, cnt[k]++] = v }
    function median(k,    i, j, t, a, m) {
      m = cnt[k]
      if (!m) return 0
      for (i = 0; i < m; i++) a[i] = val[k, i]
      for (i = 1; i < m; i++) for (j = i; j > 0 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
      return m % 2 ? a[(m - 1) / 2] : (a[m / 2 - 1] + a[m / 2]) / 2
    }
    function span(k, fmt,    i, lo, hi) {
      if (!cnt[k]) return "-"
      lo = hi = val[k, 0]
      for (i = 1; i < cnt[k]; i++) { if (val[k, i] < lo) lo = val[k, i]; if (val[k, i] > hi) hi = val[k, i] }
      return sprintf(fmt "-" fmt, lo, hi)
    }
    {
      delete f
      for (i = 1; i <= NF; i++) { split($i, kv, "="); f[kv[1]] = kv[2] }
      if (f["failed"] || f["fps"] == "") next
      c = f["contender"]; wl = f["workload"]; r = f["round"]
      seen[c] = 1
      add(c "/" wl, f["fps"])
      fps[c, wl, r] = f["fps"]; rounds[r] = 1
      if (wl == "timed" && f["first_frame_ms"] != "") {
        add(c "/launch", 1000 * (f["first_frame_unix"] - f["launch_unix"]))
        add(c "/first", f["first_frame_ms"])
        add(c "/wine", 1000 * (f["created_unix"] - f["launch_unix"]))
        add(c "/main", f["main_ms"]); add(c "/pf", f["pixel_format_ms"]); add(c "/ctx", f["context_ms"])
        add(c "/window", f["window_ms"] - f["main_ms"] - f["pixel_format_ms"] - f["context_ms"])
        add(c "/shown", f["shown_ms"] - f["window_ms"]); add(c "/scene", f["scene_ms"] - f["shown_ms"])
        add(c "/drawn", f["drawn_ms"] - f["scene_ms"]); add(c "/swap", f["first_frame_ms"] - f["drawn_ms"])
        if (f["again_read_ms"] != "") {
          add(c "/read", f["again_read_ms"]); add(c "/decode", f["again_decode_ms"]); add(c "/mip", f["again_mipmaps_ms"])
          level0 = f["level0"]
        }
      }
    }
    END {
      # Ratios of runs in the same round, side by side.
      for (r in rounds) for (w = 1; w <= 2; w++) {
        wl = w == 1 ? "timed" : "fixed"
        if (fps["renderer", wl, r] && fps["previous", wl, r]) add("ratio/" wl, fps["renderer", wl, r] / fps["previous", wl, r])
        if (wl == "timed" && fps["renderer", wl, r] && fps["clear", wl, r]) add("ratio/clear", fps["renderer", wl, r] / fps["clear", wl, r])
      }
      printf "\n%s: frames a second, median of the runs (and their range)\n", size
      printf "  %-13s %-21s %s\n", "contender", "timed", "fixed workload"
      split("renderer previous clear flipscreen3d gleidescope", order, " ")
      for (i = 1; i <= 5; i++) {
        c = order[i]
        if (!(c in seen)) { if (i > 3) printf "  %-13s not installed\n", c; continue }
        printf "  %-13s %6.1f %-14s ", c, median(c "/timed"), "(" span(c "/timed", "%.1f") ")"
        if (cnt[c "/fixed"]) printf "%6.1f (%s)\n", median(c "/fixed"), span(c "/fixed", "%.1f"); else printf "%6s\n", "-"
      }
      printf "  renderer / previous, runs of one round paired: timed %.2f (%s), fixed workload %.2f (%s)\n",
             median("ratio/timed"), span("ratio/timed", "%.2f"), median("ratio/fixed"), span("ratio/fixed", "%.2f")
      printf "  renderer / clear-and-swap: %.2f (%s)\n", median("ratio/clear"), span("ratio/clear", "%.2f")
      for (i = 4; i <= 5; i++) if (cnt[order[i] "/timed"])
        printf "  renderer / %s: %.2f (medians)\n", order[i], median("renderer/timed") / median(order[i] "/timed")
      printf "  first frame, ms, median: from the launch of wine (from process creation)\n"
      for (i = 1; i <= 3; i++) { c = order[i]; if (cnt[c "/first"])
        printf "    %-9s %4.0f (%4.0f): wine %.0f, to main %.0f, pixel format %.0f, context %.0f, rest of window %.0f,"\
               " show %.0f, scene %.0f, first draw %.0f, swap %.0f\n",
               c, median(c "/launch"), median(c "/first"), median(c "/wine"), median(c "/main"), median(c "/pf"),
               median(c "/ctx"), median(c "/window"), median(c "/shown"), median(c "/scene"), median(c "/drawn"),
               median(c "/swap") }
      if (cnt["clear/launch"] && cnt["renderer/launch"])
        printf "    renderer / clear-and-swap: %.2f from launch, %.2f from process creation\n",
               median("renderer/launch") / median("clear/launch"), median("renderer/first") / median("clear/first")
      if (cnt["renderer/read"])
        printf "    the snapshot load again after the run: read %.1f, decode %.2f, GLU mipmaps from level 0 %s %.1f\n",
               median("renderer/read"), median("renderer/decode"), level0, median("renderer/mip")
    }' "$out/$size.txt"
done
