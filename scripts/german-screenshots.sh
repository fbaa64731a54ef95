#!/usr/bin/env bash
# The main window, Preferences and a batch view in German, for checking a translation by eye: the
# built program (BUILD, default build/test) under Xvfb display :24 with LocaleID 1031 machine-wide.
set -u
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build/test}
OUT=${OUT:-$PWD/build/german-screenshots}; mkdir -p "$OUT"
WORK=$(mktemp -d)
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" XDG_CACHE_HOME="$WORK/cache"
export XDG_CONFIG_DIRS="$WORK/xdg" XDG_RUNTIME_DIR="$WORK/runtime" LANG=C.UTF-8
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1
mkdir -p "$HOME/Documents" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_DIRS/Ventrax" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[Language]\nLocaleID=1031\n' > "$XDG_CONFIG_DIRS/Ventrax/Orvalis.conf"
Xvfb :24 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
sleep 2
export DISPLAY=:24 QT_QPA_PLATFORM=xcb
ROOT="$HOME/Documents/My DozazEdivo Data"
run() { # name wait args...
  local name=$1 wait=$2; shift 2
  "$BUILD/app/orvalis" "$@" >"$OUT/$name.log" 2>&1 &
  local pid=$!
  sleep "$wait"
  import -window root "$OUT/$name.png"
  kill $pid; wait $pid 2>/dev/null
}
run preferences 20
run main 18
run batch 18 "$ROOT/Local/Deck Soffit 00001.vcb"
ls "$ROOT" "$ROOT/Local" > "$OUT/tree.txt" 2>&1
kill $XVFB
rm -rf "$WORK"
echo "pictures in $OUT"
