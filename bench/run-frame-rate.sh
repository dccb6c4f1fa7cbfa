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
# t = i / 60 s, the same for each. Contenders alternate within each round.
#   bench/run-frame-rate.sh [build-dir] [seconds] [rounds]     (FRAMES=300)
# Needs the Windows build (bench/frame_rate.exe) and a C compiler for the
# swap counter. Prints figures; never fails a build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/win}" && pwd)
secs=${2:-5}
rounds=${3:-3}
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
    function mean(k) { return n[k] ? sum[k] / n[k] : 0 }
    function range(k) { return n[k] ? sprintf("%.1f-%.1f", lo[k], hi[k]) : "-" }
    function add(k, v) { sum[k] += v; n[k]++; if (!(k in lo) || v < lo[k]) lo[k] = v; if (!(k in hi) || v > hi[k]) hi[k] = v }
    {
      delete f
      for (i = 1; i <= NF; i++) { split($i, kv, "="); f[kv[1]] = kv[2] }
      if (f["failed"] || f["fps"] == "") next
      c = f["contender"]; wl = f["workload"]
      add(c "/" wl, f["fps"])
      seen[c] = 1
      if (wl == "timed" && f["first_frame_ms"] != "") {
        add(c "/first", f["first_frame_ms"])
        add(c "/launch", 1000 * (f["first_frame_unix"] - f["launch_unix"]))
        add(c "/wine", 1000 * (f["created_unix"] - f["launch_unix"]))
        add(c "/main", f["main_ms"]); add(c "/pf", f["pixel_format_ms"]); add(c "/ctx", f["context_ms"])
        add(c "/window", f["window_ms"] - f["main_ms"]); add(c "/shown", f["shown_ms"] - f["window_ms"])
        add(c "/scene", f["scene_ms"] - f["shown_ms"]); add(c "/drawn", f["drawn_ms"] - f["scene_ms"])
        add(c "/swap", f["first_frame_ms"] - f["drawn_ms"])
        if (f["again_read_ms"] != "") {
          add(c "/read", f["again_read_ms"]); add(c "/decode", f["again_decode_ms"])
          add(c "/mip", f["again_mipmaps_ms"]); level0[c] = f["level0"]
        }
      }
    }
    END {
      printf "\n%s (fps: mean over the runs, and their range)\n", size
      printf "  %-13s %18s %18s\n", "contender", "timed", "fixed workload"
      split("renderer previous clear flipscreen3d gleidescope", order, " ")
      for (i = 1; i <= 5; i++) {
        c = order[i]
        if (!(c in seen)) { if (i > 3) printf "  %-13s not installed\n", c; continue }
        printf "  %-13s %6.1f (%9s) ", c, mean(c "/timed"), range(c "/timed")
        if (n[c "/fixed"]) printf "%6.1f (%9s)\n", mean(c "/fixed"), range(c "/fixed"); else printf "%18s\n", "-"
      }
      if (mean("previous/timed") > 0 && mean("previous/fixed") > 0)
        printf "  renderer / previous: %.2f timed, %.2f fixed workload\n",
               mean("renderer/timed") / mean("previous/timed"), mean("renderer/fixed") / mean("previous/fixed")
      if (mean("clear/timed") > 0)
        printf "  renderer / clear-and-swap: %.2f timed; previous / clear-and-swap: %.2f\n",
               mean("renderer/timed") / mean("clear/timed"), mean("previous/timed") / mean("clear/timed")
      for (i = 4; i <= 5; i++) if ((order[i] in seen) && mean(order[i] "/timed") > 0)
        printf "  renderer / %s: %.2f timed\n", order[i], mean("renderer/timed") / mean(order[i] "/timed")
      printf "  first frame, ms (mean; from the launch of wine / from process creation):\n"
      for (i = 1; i <= 3; i++) { c = order[i]; if (n[c "/first"])
        printf "    %-9s %6.0f / %6.0f  [wine start %.0f, to main %.0f, pixel format %.0f, context %.0f, window rest %.0f,"\
               " show %.0f, scene %.0f, first draw %.0f, swap %.0f]\n",
               c, mean(c "/launch"), mean(c "/first"), mean(c "/wine"), mean(c "/main"), mean(c "/pf"), mean(c "/ctx"),
               mean(c "/window") - mean(c "/pf") - mean(c "/ctx"), mean(c "/shown"), mean(c "/scene"),
               mean(c "/drawn"), mean(c "/swap") }
      if (mean("clear/launch") > 0)
        printf "    renderer / clear-and-swap: %.2f from launch, %.2f from process creation\n",
               mean("renderer/launch") / mean("clear/launch"), mean("renderer/first") / mean("clear/first")
      if (n["renderer/read"])
        printf "    snapshot load taken apart (after the run): read %.1f, decode %.2f, GLU mipmaps (level 0 %s) %.1f\n",
               mean("renderer/read"), mean("renderer/decode"), level0["renderer"], mean("renderer/mip")
    }' "$out/$size.txt"
done
