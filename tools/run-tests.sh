#!/usr/bin/env bash
# Builds everything and runs every test: the native core under ASan/UBSan,
# the fuzz targets for a bounded time, the Windows tests and the end-to-end
# scenarios under Wine on a private Xvfb.
#   tools/run-tests.sh            all of it
#   FUZZ_SECONDS=600 tools/run-tests.sh   fuzz longer
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${JOBS:-$(nproc)}

tools/install-deps.sh

echo "== native build (clang, ASan + UBSan)"
CC=clang-14 CXX=clang++-14 cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j"$jobs"

echo "== windows build (MinGW-w64)"
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win -j"$jobs"

status=0
echo "== native tests"
ctest --test-dir build/native --output-on-failure -j"$jobs" || status=1

echo "== windows tests and scenarios (Wine)"
tools/testenv.sh build/win ctest --test-dir build/win --output-on-failure -j"$jobs" || status=1

exit $status
