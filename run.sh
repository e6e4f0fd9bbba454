#!/usr/bin/env bash
# Builds the program and prints the chart of the present moment at the
# default place of data/OPTIONS.OPT.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install_deps.sh
scripts/build.sh build/release -DCMAKE_BUILD_TYPE=Release
exec build/release/src/cli/kairotex-cli chart "$@"
