#!/usr/bin/env bash
# Installs what is missing, builds, runs every test; then builds and runs the unit tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer. Both passes replay the fuzz corpora as
# tests; the libFuzzer build and timed fuzzing are tests/fuzz/fuzz.sh. The test build leaves out
# debug information, which only slows the build of a run that nobody steps through.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
kirvo_ensure_packages "${KIRVO_BUILD_PACKAGES[@]}"

kirvo_build build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG" -DKIRVO_WERROR=ON
ctest --test-dir build/test --output-on-failure -j "$(nproc)"

kirvo_build build/sanitize -DCMAKE_BUILD_TYPE=Debug -DKIRVO_WERROR=ON -DKIRVO_SANITIZE=ON -DKIRVO_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/sanitize --output-on-failure -j "$(nproc)"
echo "All tests passed."
