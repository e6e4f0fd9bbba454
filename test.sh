#!/usr/bin/env bash
# Builds and runs every test: once in a normal build, once with
# AddressSanitizer and UndefinedBehaviorSanitizer; then the readers' fuzzers.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install_deps.sh

echo "== normal build"
scripts/build.sh build/release -DCMAKE_BUILD_TYPE=Release
ctest --test-dir build/release --output-on-failure -j"$(nproc)"

echo "== sanitizer build (address, undefined)"
scripts/build.sh build/sanitize -DCMAKE_BUILD_TYPE=Debug -DKAIROTEX_SANITIZE=ON -DKAIROTEX_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/sanitize --output-on-failure -j"$(nproc)"
echo "== fuzzing (each reader for a few seconds from its seeds)"
scripts/fuzz.sh 6 build/fuzz
echo "All tests passed."
