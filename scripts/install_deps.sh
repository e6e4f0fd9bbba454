#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing.
set -euo pipefail

packages=(cmake g++ make libgtest-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev
  # Qt 6 for the chartwheel's images, SVG and PDF: Gui (which needs OpenGL's
  # headers to configure), Svg, PrintSupport, and the platform plugins with
  # the offscreen one for machines without a display.
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev
  # A default font for text when the glyph font is missing, and pdftoppm for
  # looking at the PDF pages.
  fonts-dejavu-core poppler-utils
  # The check that the glyph font has every glyph the program draws.
  python3 python3-fonttools)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
if ! "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"; then
  "${sudo_cmd[@]}" apt-get update
  "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
