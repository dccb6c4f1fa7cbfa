#!/usr/bin/env bash
# Runs one Windows program under Wine inside the test environment, with a bound.
# CTest uses this as the cross-compiling emulator.
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
  echo "wine-run: no test environment (run through tools/testenv.sh)" >&2
  exit 2
fi
exec timeout -k 5 "${VELNORA_WINE_TIMEOUT:-240}" wine "$@"
