#!/usr/bin/env bash
# The window program in a real X server: start kairotex on a fixed clock and
# a fresh data folder, step the chart three hours on (Shift+F3) and choose
# Koch houses (Ctrl+F4) with real key presses, take a screenshot and compare
# it with the reference picture; type a moment and place into the election
# data dialog (F2, Enter), show the Basics report (F3) and compare the screen
# with elected_report.png beside the first reference; then a second copy is
# refused with its warning, and F12 ends the program with the window
# settings written.
#
#   window_e2e.sh KAIROTEX_PROGRAM DELIVERED_DATA_DIR REFERENCE_PNG WORK_DIR
#
# KAIROTEX_UPDATE_REFERENCE=1 writes the screenshots as the new references.
set -euo pipefail
program=$1 delivered=$2 reference=$3 work=$4
report_reference=$(dirname "$reference")/elected_report.png

fail() { echo "window_e2e: $*" >&2; exit 1; }
for tool in Xvfb xdotool import compare xwininfo; do
  command -v "$tool" >/dev/null ||
    fail "$tool was not found: install xvfb, xdotool, imagemagick and x11-utils"
done

rm -rf "$work"
mkdir -p "$work/data" "$work/home"
chmod 700 "$work/home"  # Qt wants a private runtime folder
cp "$delivered"/* "$work/data/"
export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_RUNTIME_DIR=$work/home
export LC_ALL=C.UTF-8 TZ=UTC
unset QT_QPA_PLATFORM

pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT

# A display of its own: Xvfb chooses a free number and writes it to fd 3.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start (see $work/xvfb.log)"
export DISPLAY=:$(head -n1 "$work/display")

# The main window is the program's first top-level window with our caption.
find_window() {  # caption pattern, seconds
  local deadline=$((SECONDS + $2)) id
  while [ $SECONDS -lt $deadline ]; do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}

# Compares a screenshot with its reference picture: at most one pixel in 500
# may differ by more than a tenth of the colour range.
compare_with() {  # screenshot reference what
  if [ "${KAIROTEX_UPDATE_REFERENCE:-0}" = 1 ]; then
    cp "$1" "$2"
    echo "window_e2e: reference written to $2"
  fi
  [ -f "$2" ] || fail "no reference picture $2 (run with KAIROTEX_UPDATE_REFERENCE=1)"
  local size differing total
  size=$(identify -format '%wx%h' "$2")
  [ "$(identify -format '%wx%h' "$1")" = "$size" ] ||
    fail "$3: the screenshot is $(identify -format '%wx%h' "$1"), the reference $size"
  differing=$(compare -metric AE -fuzz 10% "$1" "$2" "${1%.png}-difference.png" 2>&1 || true)
  differing=${differing%% *}
  total=$(( ${size%x*} * ${size#*x} ))
  echo "window_e2e: $3: $differing of $total pixels differ from the reference"
  [ "$differing" -le $((total / 500)) ] ||
    fail "$3 differs from the reference in $differing pixels (see ${1%.png}-difference.png)"
}

"$program" --data-dir "$work/data" --fixed-clock 2026-12-07T15:30:00 \
  >"$work/first.log" 2>&1 &
first=$!
pids+=($first)
main=$(find_window '^KAIROTEX' 20) || fail "the main window did not appear (see $work/first.log)"
sleep 1  # the first paint and the first clock tick

xdotool windowfocus --sync "$main"
for _ in 1 2 3; do xdotool key --clearmodifiers shift+F3; sleep 0.3; done
xdotool key --clearmodifiers ctrl+F4
sleep 1

import -window "$main" "$work/screenshot.png"
compare_with "$work/screenshot.png" "$reference" "the stepped chart"

# F2: a moment and a place typed into the election data dialog, Enter for
# OK, then F3 for the Basics report in the data window.
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers F2
dialog=$(find_window '^Election Data$' 20) || fail "F2 opened no election data dialog"
xdotool windowfocus --sync "$dialog"
for field in Wedding 6 21 2027 3 15; do
  xdotool type --delay 20 "$field"
  xdotool key --clearmodifiers Tab
done
xdotool key --clearmodifiers Return
sleep 1
xdotool search --onlyvisible --name '^Election Data$' >/dev/null 2>&1 &&
  fail "Enter did not close the election data dialog"
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers F3
find_window 'Data$' 20 >/dev/null || fail "F3 showed no data window"
sleep 1
import -window root "$work/report.png"
compare_with "$work/report.png" "$report_reference" "the elected chart and its report"

# A second copy on the same data folder shows its warning and ends.
"$program" --data-dir "$work/data" >"$work/second.log" 2>&1 &
second=$!
pids+=($second)
warning=$(find_window '^WARNING!$' 20) || fail "the second copy showed no warning"
xdotool windowfocus --sync "$warning"
xdotool key --clearmodifiers Return
for _ in $(seq 50); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
kill -0 "$second" 2>/dev/null && fail "the second copy did not end after its warning"
wait "$second" && fail "the second copy ended with success" || true

# F12 is File > Exit: the settings are written and the program ends.
rm -f "$work/data/KAIROTEX.INI"
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers F12
for _ in $(seq 50); do kill -0 "$first" 2>/dev/null || break; sleep 0.1; done
kill -0 "$first" 2>/dev/null && fail "F12 did not end the program"
wait "$first" || fail "the program ended with status $?"
grep -q '^TypeChart' "$work/data/KAIROTEX.INI" 2>/dev/null ||
  [ -s "$work/data/KAIROTEX.INI" ] || fail "KAIROTEX.INI was not written at exit"
echo "window_e2e: passed"
