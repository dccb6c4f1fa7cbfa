#!/usr/bin/env bash
# Soak run: one saver session of the dist programs for SOAK_SECONDS (default
# 600), with the memory of the host and the renderer sampled at its start and
# its end. Not part of the tests:
#   tools/testenv.sh build/win bench/soak.sh
set -uo pipefail
cd "$(dirname "$0")/.."
secs=${SOAK_SECONDS:-600}
probe=build/win/tests/e2e/velprobe.exe

rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status" 2>/dev/null || echo 0; }
pid_of() {
  local d found=""
  for d in /proc/[0-9]*; do tr '\0' ' ' <"$d/cmdline" 2>/dev/null | grep -q -F -- "$1" && found=${d#/proc/}; done
  echo "$found"
}

timeout -k 5 $((secs + 120)) wine dist/Velnora.scr /s >/dev/null 2>&1 &
host=$!
for _ in $(seq 200); do timeout 10 wine "$probe" find Ondrel_VC >/dev/null 2>&1 && break; sleep 0.1; done
sleep 5  # past start-up: snapshot written, texture built, first frames drawn
hp=$(pid_of "Velnora.scr /s"); rp=$(pid_of "Velnora.dll")
[ -n "$hp" ] && [ -n "$rp" ] || { echo "soak: session did not start"; exit 1; }
h0=$(rss_kb "$hp"); r0=$(rss_kb "$rp")
echo "soak: start  host ${h0} kB, renderer ${r0} kB"
samples=""
for ((i = 1; i <= secs / 60; i++)); do
  sleep 60
  samples="$samples $(rss_kb "$rp")"
done
h1=$(rss_kb "$hp"); r1=$(rss_kb "$rp")
echo "soak: end    host ${h1} kB, renderer ${r1} kB (after ${secs} s)"
echo "soak: renderer each minute:${samples} kB"
awk -v h0="$h0" -v h1="$h1" -v r0="$r0" -v r1="$r1" 'BEGIN {
  printf "soak: end/start ratio host %.3f, renderer %.3f\n", h1 / h0, r1 / r0 }'
timeout 10 wine "$probe" close Ondrel_VC >/dev/null 2>&1
wait "$host"
