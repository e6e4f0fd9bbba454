#!/usr/bin/env bash
# Process time of one chart on the command line, as a user starts it: the
# median wall time of `kairotex-cli chart --json` for 21 March 1990, 18.15 at
# New York, over 200 runs, each in a process of its own.
#
#   bench/cli_process_bench.sh PATH/TO/kairotex-cli [RUNS]
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: cli_process_bench.sh PATH/TO/kairotex-cli [RUNS]" >&2; exit 1; }
program=$1 runs=${2:-200}
[ -x "$program" ] || { echo "cli_process_bench: $program is not a built program" >&2; exit 1; }
delivered=$(dirname "$program")/../share/kairotex
[ -f "$delivered/OPTIONS.OPT" ] || { echo "cli_process_bench: no delivered data in $delivered" >&2; exit 1; }

# A copy of the delivered data, so that no run can change the build's own.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$delivered"/. "$work/"

# posix_spawn and a monotonic clock around spawn and wait: the least the
# measuring loop adds to the process's own time.
python3 - "$program" "$work" "$runs" <<'PY'
import json, os, statistics, subprocess, sys, time
program, data, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
argv = [program, "chart", "--json", "--date", "1990-03-21", "--time", "18:15", "--zone", "5",
        "--lon", "73w59", "--lat", "40n45", "--data-dir", data]

# Once with its output read: it must succeed and print one JSON object. This
# run also warms the file cache and is not counted.
first = subprocess.run(argv, capture_output=True, text=True)
def ending(code):
    return f"was killed by signal {-code}" if code < 0 else f"ended with status {code}"

if first.returncode != 0:
    sys.exit(f"cli_process_bench: kairotex-cli {ending(first.returncode)}: {first.stderr.strip()}")
try:
    json.loads(first.stdout)
except ValueError as error:
    sys.exit(f"cli_process_bench: kairotex-cli printed no JSON object: {error}")

quiet = [(os.POSIX_SPAWN_OPEN, 1, os.devnull, os.O_WRONLY, 0),
         (os.POSIX_SPAWN_OPEN, 2, os.devnull, os.O_WRONLY, 0)]
walls = []
for _ in range(runs):
    start = time.monotonic_ns()
    pid = os.posix_spawn(program, argv, os.environ, file_actions=quiet)
    _, status = os.waitpid(pid, 0)
    walls.append((time.monotonic_ns() - start) / 1e6)
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"cli_process_bench: kairotex-cli {ending(os.waitstatus_to_exitcode(status))}")
print(f"kairotex-cli chart --json: median {statistics.median(walls):.2f} ms, "
      f"min {min(walls):.2f} ms, max {max(walls):.2f} ms over {runs} runs")
PY
