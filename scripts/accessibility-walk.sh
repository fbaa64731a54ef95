#!/bin/bash
# Starts the built program on an empty home under Xvfb with Qt's accessibility bridge on, and walks
# its main window over AT-SPI (what the Orca screen reader reads): the operable controls and those
# without a name, once at start and once with each row of the largest list selected.
# Needs Xvfb, at-spi2-core, python3-pyatspi and gir1.2-atspi-2.0.
# Usage: scripts/accessibility-walk.sh [PROGRAM] [-v]
set -eu
cd "$(dirname "$0")/.."
PROGRAM=$(realpath "${1:-build/test/app/orvalis}")
FLAGS=${2:-}
WALK=$PWD/scripts/accessibility-walk.py
HOME=$(mktemp -d)
export HOME QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0
# A display number nobody uses.
DISPLAYNUM=150
while [ -e /tmp/.X11-unix/X$DISPLAYNUM ] || [ -e /tmp/.X$DISPLAYNUM-lock ]; do DISPLAYNUM=$((DISPLAYNUM + 1)); done
Xvfb :$DISPLAYNUM -screen 0 1280x900x24 >/dev/null 2>&1 &
XPID=$!
sleep 2
export DISPLAY=:$DISPLAYNUM
dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  launcher=$!
  sleep 2
  "$0" >"$HOME/program.log" 2>&1 &
  program=$!
  sleep 15
  /usr/bin/python3 "$1" orvalis $2 || true
  kill $program $launcher 2>/dev/null
' "$PROGRAM" "$WALK" "$FLAGS"
kill "$XPID" 2>/dev/null || true
rm -rf "$HOME"
