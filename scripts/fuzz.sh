#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang and runs each for a
# fixed time from its seed corpus: scripts/fuzz.sh [SECONDS_A_TARGET] [BUILD_DIR]
# Any crash, sanitizer report, leak, timeout or memory blow-up fails the run
# with a line naming the target; the input is kept in the scratch folder named.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-8}
build=${2:-build/fuzz}

scripts/install_packages.sh clang-14 libclang-rt-14-dev libfuzzer-14-dev

start=$(date +%s)
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKAIROTEX_FUZZ=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
built=$(date +%s)

# Corpus copies, crash inputs and the targets' own temp folders stay out of
# the repository.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/kairotex-fuzz-run-XXXXXX")
failed=()
for corpus in tests/fuzz/corpus/*/; do
  target=$(basename "$corpus")
  program="$(realpath "$build")/fuzz/fuzz_$target"
  if [ ! -x "$program" ]; then
    echo "fuzz target $target: FAILED (no program $program)"
    failed+=("$target")
    continue
  fi
  work="$scratch/$target"
  mkdir -p "$work/corpus" "$work/tmp"
  cp "$corpus"* "$work/corpus/"
  # -timeout: one input taking this long is a hang; -rss_limit_mb: a blow-up.
  if (cd "$work" && TMPDIR="$work/tmp" ASAN_OPTIONS=detect_leaks=1 \
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      "$program" -max_total_time="$seconds" -detect_leaks=1 -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/" corpus \
      >"$work/log.txt" 2>&1); then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log.txt")
    echo "fuzz target $target: ok (${runs:-?} runs in ${seconds} s)"
  else
    echo "fuzz target $target: FAILED, see $work/log.txt and the input $work/crash-* (or leak-*, timeout-*, oom-*)"
    grep -E '^fuzz target|ERROR: |runtime error|SUMMARY' "$work/log.txt" | head -5 | sed 's/^/  /' || true
    failed+=("$target")
  fi
done
finished=$(date +%s)
echo "fuzzing: build $((built - start)) s, runs $((finished - built)) s"

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing FAILED for: ${failed[*]}"
  exit 1
fi
rm -rf "$scratch"
echo "fuzzing: no findings"
