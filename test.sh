#!/usr/bin/env bash
# Installs what is missing, builds, runs every test; then builds and runs the unit tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer; then builds the fuzz harnesses with clang
# and replays their corpora (no timed fuzzing: that is tests/fuzz/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
kirvo_ensure_packages "${KIRVO_BUILD_PACKAGES[@]}"

kirvo_build build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIRVO_WERROR=ON
ctest --test-dir build/test --output-on-failure -j "$(nproc)"

kirvo_build build/sanitize -DCMAKE_BUILD_TYPE=Debug -DKIRVO_WERROR=ON -DKIRVO_SANITIZE=ON -DKIRVO_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/sanitize --output-on-failure -j "$(nproc)"
if command -v clang++ >/dev/null 2>&1; then
  CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIRVO_FUZZ=ON \
    -DKIRVO_SANITIZE=ON -DKIRVO_BUILD_BENCH=OFF
  cmake --build build/fuzz -j "$(nproc)" --target kirvo_fuzzers
  ctest --test-dir build/fuzz -L fuzz --output-on-failure -j "$(nproc)"
fi
echo "All tests passed."
