#!/usr/bin/env bash
# What pacing saves: the renderer of this tree against the one of another
# (built before pacing, say), alternating within each round on Xorg's dummy
# driver, where the display mode carries its refresh rate and no blank holds
# back a swap. At 1024 x 768 and 1280 x 1024, 60 Hz: frames a second,
# processor time (share of one core) and processor time per frame; at
# 1024 x 768 and 480 Hz, above what llvmpipe draws: frames a second alone,
# to show that pacing never slows the drawing itself.
#   bench/run-pacing.sh <other-dist-dir> [build-dir=build/win] [seconds=5] [rounds=3]
# Needs root (Xorg). Prints figures; never fails a build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
other=$(cd "${1:?usage: run-pacing.sh <other-dist-dir> [build-dir] [seconds] [rounds]}" && pwd)
build=$(cd "${2:-$root/build/win}" && pwd)
export SECS=${3:-5} ROUNDS=${4:-3} OTHER=$other THIS=$root/dist
out=$build/bench/pacing.txt
mkdir -p "$build/bench"

VELNORA_DESK=dummy VELNORA_SCREEN=1280x1024x24 "$root/tools/testenv.sh" "$build" \
  bash "$root/bench/pacing-contenders.sh" "$root" "$build/tests/e2e/velprobe.exe" | tee "$out"

awk '
  { delete f; for (i = 1; i <= NF; i++) { split($i, kv, "="); f[kv[1]] = kv[2] }
    k = f["size"] " " f["hz"] " Hz"; fps[k, f["renderer"]] += f["fps"]; cpu[k, f["renderer"]] += f["cpu"]
    per[k, f["renderer"]] += f["cpu_ms_per_frame"]; n[k, f["renderer"]]++; keys[k] = 1 }
  END {
    print "\nmeans: this tree / the other (frames a second, % of a core, processor ms a frame)"
    for (k in keys) {
      a = n[k, "this"]; b = n[k, "other"]
      printf "%-18s this %6.1f fps %4d %% %6.2f ms   other %6.1f fps %4d %% %6.2f ms   cpu this/other %.2f\n", k,
        fps[k, "this"] / a, cpu[k, "this"] / a, per[k, "this"] / a, fps[k, "other"] / b, cpu[k, "other"] / b,
        per[k, "other"] / b, (cpu[k, "this"] / a) / (cpu[k, "other"] / b)
    }
  }' "$out"
