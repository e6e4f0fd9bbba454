#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing.
set -euo pipefail

packages=(cmake g++ make libgtest-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev
  # Qt 6 for the chartwheel's images, SVG and PDF: Gui (which needs OpenGL's
  # headers to configure), Svg, PrintSupport, and the platform plugins with
  # the offscreen one for machines without a display.
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev
  # A default font for text when the glyph font is missing (the whole DejaVu
  # family, so that the end-to-end screenshots meet the fonts their reference
  # pictures were taken with), and pdftoppm for looking at the PDF pages.
  fonts-dejavu-core fonts-dejavu-extra poppler-utils
  # The check that the glyph font has every glyph the program draws.
  python3 python3-fonttools
  # The window program's end-to-end test: a real X server, key presses and
  # screenshots; the checks of the desktop entry and the AppStream file.
  xvfb xdotool imagemagick x11-utils desktop-file-utils appstream
  # Time zones from the system's IANA database, and the towns of the atlas
  # (read by its generator and by the test that the delivered atlas is current).
  libcctz-dev tzdata libtimezonemap-data
  # A real calendar parser for the test of the iCalendar export.
  python3-icalendar
  # The precise ephemeris: the Swiss Ephemeris library and its files (also the
  # reference the engine benchmark times the same work with).
  libswe-dev swe-basic-data)


exec "$(dirname "$0")/install_packages.sh" "${packages[@]}"
