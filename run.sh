#!/usr/bin/env bash
# Builds the program, prints the chart of the present moment at the default
# place of data/OPTIONS.OPT and draws its chartwheel into build/release/now.png.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install_deps.sh
scripts/build.sh build/release -DCMAKE_BUILD_TYPE=Release
cli=build/release/bin/kairotex-cli
"$cli" chart "$@"
# The wheel is always the present moment; its note goes to standard error so
# that the chart's output (e.g. --json) stays clean for a pipe.
"$cli" wheel --now --out build/release/now.png
echo "Chartwheel of the present moment: $(pwd)/build/release/now.png" >&2
