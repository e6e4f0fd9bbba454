#!/usr/bin/env bash
# Builds the programs and starts KAIROTEX. With a display (DISPLAY or
# WAYLAND_DISPLAY set) it opens the window program on the chart of the
# present moment, passing its arguments on to `kairotex`; without one it
# prints that chart in the terminal (arguments to `kairotex-cli chart`) and
# draws its chartwheel into build/release/now.png.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install_deps.sh
scripts/build.sh build/release -DCMAKE_BUILD_TYPE=Release
bin=build/release/bin
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Opening the KAIROTEX window (F12 ends it)." >&2
  exec "$bin/kairotex" "$@"
fi
echo "No display: the chart of the present moment in the terminal." >&2
"$bin/kairotex-cli" chart "$@"
# The wheel is always the present moment; its note goes to standard error so
# that the chart's output (e.g. --json) stays clean for a pipe.
"$bin/kairotex-cli" wheel --now --out build/release/now.png
echo "Chartwheel of the present moment: $(pwd)/build/release/now.png" >&2
