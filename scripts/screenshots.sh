#!/usr/bin/env bash
# Makes the user guide's pictures (resources/help/images/) from the sample data: the program runs
# under a private Xvfb display with a fresh home folder, so the pictures show what a new user sees.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
for tool in Xvfb import xwininfo xdotool; do
  command -v "$tool" >/dev/null || { echo "screenshots.sh needs $tool (apt-get install xvfb imagemagick x11-utils xdotool)" >&2; exit 1; }
done
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS="pch_defines,time_macros,include_file_mtime,include_file_ctime"
# BUILD names another build folder to take the programs from (build/test, for example).
BUILD=${BUILD:-build/release}
if [ ! -f "$BUILD/build.ninja" ]; then
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$BUILD" -j 2 --target orvalis orvalis-cli k27sim
# OUT and LOCALE_ID (1031 for German) make pictures of another language elsewhere.
OUT=${OUT:-$PWD/resources/help/images}
mkdir -p "$OUT"

WORK=$(mktemp -d)
XVFB_PID=
APP_PID=
cleanup() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" XDG_CACHE_HOME="$WORK/cache"
export XDG_CONFIG_DIRS="$WORK/xdg" XDG_RUNTIME_DIR="$WORK/runtime" LANG=C.UTF-8
mkdir -p "$HOME/Documents" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_DIRS" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
if [ -n "${LOCALE_ID:-}" ]; then
  mkdir -p "$XDG_CONFIG_DIRS/Ventrax"
  printf '[Language]\nLocaleID=%s\n' "$LOCALE_ID" > "$XDG_CONFIG_DIRS/Ventrax/Orvalis.conf"
fi

# A display of our own: Xvfb picks a free number and writes it to the pipe.
exec 3< <(Xvfb -displayfd 1 -screen 0 1280x800x24 -nolisten tcp 2>/dev/null & echo "pid $!")
read -r _ XVFB_PID <&3
read -r DISPLAY_NUMBER <&3
export DISPLAY=":$DISPLAY_NUMBER" QT_QPA_PLATFORM=xcb
ROOT="$HOME/Documents/My DozazEdivo Data"

main_window() { xwininfo -root -tree 2>/dev/null | awk '/"Orvalis/ { print $1; exit }'; }
shoot() { # picture name, after waiting for the window to settle
  sleep "${2:-4}"
  # Only the program's window, not the empty screen round it.
  local window
  window=$(main_window)
  import -window "${window:-root}" "$OUT/$1"
  echo "wrote $OUT/$1"
}
# The gauge port kept in the settings: 0 "No Gauge", -1 the demonstration gauge.
set_port() {
  sed -i "s|<ComPort>[^<]*</ComPort>|<ComPort>$1</ComPort>|" "$ROOT/Settings/settings.xml"
  grep -q "<ComPort>$1</ComPort>" "$ROOT/Settings/settings.xml"
}
# Selects the gauge node of the folder tree (the second row, under the storage root).
click_gauge_node() {
  sleep 3
  local window
  window=$(main_window)
  xdotool mousemove --window "$window" 100 144 click 1
}
start() {
  "$BUILD/app/orvalis" "$@" >/dev/null 2>&1 &
  APP_PID=$!
}
stop() {
  kill "$APP_PID" 2>/dev/null || true
  wait "$APP_PID" 2>/dev/null || true
  APP_PID=
}

# First start: the storage folder is seeded and Preferences asks for the gauge's port.
start
shoot preferences.png 6
stop
# Second start: the main window on the sample batches in Local.
start
shoot main-window.png
stop
# The gauge pane while no port is chosen: it says so and offers the way to choose one.
set_port 0
start
click_gauge_node
shoot gauge-no-port.png 2
stop
# The demonstration gauge: the simulator beside the program serves the sample batches; the gauge
# node comes forward by itself once their list has been read.
set_port -1
start
shoot demo-gauge.png 10
stop
set_port 0
# A batch opened from the command line is shown in the batch view.
start "$ROOT/Local/Deck Soffit 00001.vcb"
shoot batch-view.png
stop

# A report page and a colour map straight from the command line.
CLI="$BUILD/cli/orvalis-cli"
"$CLI" report --report "$ROOT/Reports/Cover Survey Report.vcr" "$ROOT/Local/Deck Soffit 00001.vcb" \
  --page 1 -o "$WORK/page.jpg"
cp "$WORK/page.jpg" "$OUT/report-page.jpg" 2>/dev/null || cp "$WORK"/page*.jpg "$OUT/report-page.jpg"
echo "wrote $OUT/report-page.jpg"
