#!/usr/bin/env bash
# Soak run: one saver session of the dist programs for SOAK_SECONDS (default
# 1800, a half-hour night), with the resident memory of the host and the
# renderer at its start, every minute and at its end; then the session is
# ended as a user ends it, and what it leaves behind is checked. Not part of
# the tests:
#   tools/testenv.sh build/win bench/soak.sh
cd "$(dirname "$0")/.."
export VELNORA_SOURCE=$PWD VELNORA_DIST=$PWD/dist VELNORA_PROBE=$PWD/build/win/tests/e2e/velprobe.exe
. tests/e2e/lib.sh
secs=${SOAK_SECONDS:-1800}

rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status" 2>/dev/null || echo 0; }

START_TIMEOUT=$((secs + 120)) start Velnora.scr /s
host=$LAST_PID
wait_window Ondrel_VC 20
sleep 5  # past start-up: snapshot written, texture built, first frames drawn
hp=$(unix_pid_of "Velnora.scr /s") && rp=$(unix_pid_of "Velnora.dll") || fail "session processes not found"
h0=$(rss_kb "$hp"); r0=$(rss_kb "$rp")
echo "soak: start  host ${h0} kB, renderer ${r0} kB"
host_samples=""; renderer_samples=""
for ((i = 1; i <= secs / 60; i++)); do
  sleep 60
  alive "$hp" && alive "$rp" || fail "the session ended by itself after about $i minutes"
  host_samples="$host_samples $(rss_kb "$hp")"
  renderer_samples="$renderer_samples $(rss_kb "$rp")"
done
h1=$(rss_kb "$hp"); r1=$(rss_kb "$rp")
echo "soak: end    host ${h1} kB, renderer ${r1} kB (after ${secs} s)"
echo "soak: host each minute:${host_samples} kB"
echo "soak: renderer each minute:${renderer_samples} kB"
awk -v h0="$h0" -v h1="$h1" -v r0="$r0" -v r1="$r1" 'BEGIN {
  printf "soak: end/start ratio host %.3f, renderer %.3f\n", h1 / h0, r1 / r0 }'

# Ended as a user ends it: Escape in the renderer, then the host within a check.
wait_focus Ondrel_VC 10
send_key Escape
wait_exit "$host" 10
wait_pid_gone "$rp" 10
echo "soak: ended by Escape, host exit code ${EXIT_CODE}, cursor $(probe cursor)"
[ ! -e "$SNAPSHOT_FILE" ] && [ ! -e "$SNAPSHOT_FILE.new" ] || fail "the snapshot outlived the session"
echo "soak: snapshot and its temporary file gone"
