#!/usr/bin/env bash
# Rebuilds data/horary.ttf, the chart glyph font, from DejaVu Sans. Installs
# the Debian packages it needs when they are missing. The old font stays in
# place when the new one fails its check.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

needed=(python3 python3-fonttools fonts-dejavu-core)
missing=()
for package in "${needed[@]}"; do
  if [[ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" != installed ]]; then
    missing+=("$package")
  fi
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  sudo_cmd=()
  ((EUID == 0)) || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

base="$(dpkg -L fonts-dejavu-core | grep '/DejaVuSans\.ttf$' | head -n 1)"
if [[ -z "$base" || ! -f "$base" ]]; then
  echo "fonts-dejavu-core does not provide DejaVuSans.ttf" >&2
  exit 1
fi

# Debian's interpreter, the one that sees python3-fonttools (a python3 from
# pyenv or a virtual environment may come first on PATH).
/usr/bin/python3 "$root/tools/font/make_horary_font.py" "$base" "$root/data/horary.ttf"
