#!/usr/bin/env bash
# Builds everything and runs every test: the native core under ASan/UBSan,
# the fuzz targets for a bounded time, the Windows tests and the end-to-end
# scenarios under Wine on a private Xvfb.
#   tools/run-tests.sh            all of it
#   FUZZ_SECONDS=600 tools/run-tests.sh   fuzz longer
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${JOBS:-$(nproc)}
# Each part's time, as the README quotes them.
part() { echo "== $1 (at $((SECONDS / 60)) min $((SECONDS % 60)) s)"; }

tools/install-deps.sh

part "native build (clang, ASan + UBSan)"
CC=clang-14 CXX=clang++-14 cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j"$jobs"

part "windows build (MinGW-w64)"
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win -j"$jobs"

status=0
part "native tests"
ctest --test-dir build/native --output-on-failure -j"$jobs" || status=1

part "windows tests and scenarios (Wine)"
# Scenarios spend most of their time waiting for windows and processes: half
# as many again as there are cores keeps both busy.
tools/testenv.sh build/win ctest --test-dir build/win --output-on-failure -j"$((jobs * 3 / 2))" || status=1

part "done"
exit $status
