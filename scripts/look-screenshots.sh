#!/usr/bin/env bash
# Pictures for checking by eye how the program looks in a language or a colour scheme: the main
# window, a batch's readings and a tab report of it, from the built program (BUILD, default
# build/test) under a private Xvfb display with a fresh home folder.
#   LOCALE_ID=1036 scripts/look-screenshots.sh         French (1031 German, 3082 Spanish, 1040 Italian)
#   SCHEME=dark scripts/look-screenshots.sh            Fusion with the dark palette
# DISPLAY_NUMBER picks the display (default 73), OUT the folder (default build/look-<locale>-<scheme>).
set -euo pipefail
cd "$(dirname "$0")/.."
for tool in Xvfb import xwininfo; do
  command -v "$tool" >/dev/null || { echo "look-screenshots.sh needs $tool (apt-get install xvfb imagemagick x11-utils)" >&2; exit 1; }
done
BUILD=${BUILD:-build/test}
DISPLAY_NUMBER=${DISPLAY_NUMBER:-73}
OUT=${OUT:-$PWD/build/look-${LOCALE_ID:-1033}-${SCHEME:-desktop}}
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
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1
mkdir -p "$HOME/Documents" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_DIRS/Ventrax" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
[ -n "${LOCALE_ID:-}" ] && printf '[Language]\nLocaleID=%s\n' "$LOCALE_ID" > "$XDG_CONFIG_DIRS/Ventrax/Orvalis.conf"
[ -n "${SCHEME:-}" ] && export ORVALIS_COLOUR_SCHEME="$SCHEME"

Xvfb ":$DISPLAY_NUMBER" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
sleep 2
export DISPLAY=":$DISPLAY_NUMBER" QT_QPA_PLATFORM=xcb
ROOT="$HOME/Documents/My DozazEdivo Data"
SETTINGS="$ROOT/Settings/settings.xml"
BATCH="$ROOT/Local/Deck Soffit 00001.vcb"

start() {
  "$BUILD/app/orvalis" "$@" >>"$OUT/orvalis.log" 2>&1 &
  APP_PID=$!
}
stop() {
  kill "$APP_PID" 2>/dev/null || true
  wait "$APP_PID" 2>/dev/null || true
  APP_PID=
}
shoot() { # picture, seconds to settle
  sleep "$2"
  local window
  window=$(xwininfo -root -tree 2>/dev/null | awk '/"(Ventrax )?Orvalis/ { print $1; exit }')
  import -window "${window:-root}" "$OUT/$1"
  echo "wrote $OUT/$1"
}
batch_tab() { # the batch view's tab on the next start: 1 the readings, then the tab reports (REPORT_TAB, default 3: the cover summary of the sample data)
  python3 - "$SETTINGS" "$1" <<'PY'
import re, sys
path, tab = sys.argv[1], sys.argv[2]
text = open(path, encoding='utf-8').read()
if re.search(r'<BatchTab>.*?</BatchTab>|<BatchTab/>', text):
    text = re.sub(r'<BatchTab>.*?</BatchTab>|<BatchTab/>', '<BatchTab>%s</BatchTab>' % tab, text)
else:
    text = text.replace('</Settings>', '  <BatchTab>%s</BatchTab>\n</Settings>' % tab)
open(path, 'w', encoding='utf-8').write(text)
PY
}

# First start: seeds the storage folder (and asks for the gauge's port once).
start
shoot first-start.png 20
stop
start
shoot main.png 15
stop
batch_tab 1
start "$BATCH"
shoot batch-readings.png 15
stop
batch_tab "${REPORT_TAB:-3}"
start "$BATCH"
shoot batch-report.png 25
stop
echo "pictures in $OUT"
