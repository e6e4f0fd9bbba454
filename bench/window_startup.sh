#!/usr/bin/env bash
# Start-up of the window program to its first painted chart, and its peak
# memory: kairotex --exit-after-first-paint on a copy of the delivered data,
# in a real X server when Xvfb is there (else on the offscreen platform).
# Targets: under 0.5 s to the first paint, under 120 MiB resident.
#
#   bench/window_startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build/release} runs=${2:-20}
program=$build/bin/kairotex delivered=$build/share/kairotex
[ -x "$program" ] || { echo "window_startup: build $program first (scripts/build.sh $build)" >&2; exit 1; }

work=$(mktemp -d)
trap 'kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/data" && cp "$delivered"/* "$work/data/"
if command -v Xvfb >/dev/null; then
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  export DISPLAY=:$(head -n1 "$work/display")
  unset QT_QPA_PLATFORM
else
  export QT_QPA_PLATFORM=offscreen
fi

# Each run in a process of its own; wall time from start to exit, peak
# resident memory from the kernel's accounting of the finished child.
python3 - "$program" "$work/data" "$runs" <<'PY'
import os, statistics, subprocess, sys, time
program, data, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
walls, peaks = [], []
for _ in range(runs + 1):  # the first run warms the file cache and is not counted
    start = time.monotonic()
    child = subprocess.Popen([program, "--data-dir", data, "--exit-after-first-paint"],
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    walls.append(time.monotonic() - start)
    peaks.append(usage.ru_maxrss / 1024.0)
    if status != 0:
        sys.exit(f"window_startup: kairotex ended with status {status}")
walls, peaks = walls[1:], peaks[1:]
print(f"start-up to first paint: median {statistics.median(walls) * 1000:.0f} ms, "
      f"min {min(walls) * 1000:.0f} ms, max {max(walls) * 1000:.0f} ms over {runs} runs")
print(f"peak resident memory: median {statistics.median(peaks):.1f} MiB, max {max(peaks):.1f} MiB")
PY
