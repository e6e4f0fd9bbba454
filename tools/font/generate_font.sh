#!/usr/bin/env bash
# Rebuilds data/horary.ttf, the chart glyph font, from DejaVu Sans. Installs
# the Debian packages it needs when they are missing. The old font stays in
# place when the new one fails its check.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

needed=(python3 python3-fonttools fonts-dejavu-core)
"$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/scripts/install_packages.sh" "${needed[@]}"

base="$(dpkg -L fonts-dejavu-core | grep '/DejaVuSans\.ttf$' | head -n 1)"
if [[ -z "$base" || ! -f "$base" ]]; then
  echo "fonts-dejavu-core does not provide DejaVuSans.ttf" >&2
  exit 1
fi

# Debian's interpreter, the one that sees python3-fonttools (a python3 from
# pyenv or a virtual environment may come first on PATH).
/usr/bin/python3 "$root/tools/font/make_horary_font.py" "$base" "$root/data/horary.ttf"
