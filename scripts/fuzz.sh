#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer) in their own
# build folder and runs each for SECONDS (default 60), printing executions, coverage and any crash
# file. Kept inputs in fuzz/corpus/<target> are replayed first, so a crash found once fails again.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# FUZZ_JOBS runs that many targets at once (default 1); FUZZ_BUILD names the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT="$PWD"
SECONDS_EACH="${1:-60}"
shift || true
TARGETS=("$@")
[ ${#TARGETS[@]} -gt 0 ] || TARGETS=(xml batchfile template report foldercache gaugepacket gaugerecords picturetext)
BUILD="${FUZZ_BUILD:-build/fuzz}"
JOBS="${FUZZ_JOBS:-1}"

CXX=""
for c in clang++-16 clang++-14 clang++; do
  if command -v "$c" >/dev/null; then CXX="$c"; break; fi
done
if [ -z "$CXX" ]; then
  echo "fuzz.sh: clang is missing (./scripts/setup.sh installs it)" >&2
  exit 1
fi

export CCACHE_BASEDIR="$ROOT" CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS="pch_defines,time_macros,include_file_mtime,include_file_ctime"
if [ ! -f "$BUILD/build.ninja" ]; then
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
    -DCMAKE_CXX_COMPILER="$CXX" -DORVALIS_FUZZ=ON >/dev/null
fi
nice cmake --build "$BUILD" -j 2 --target orvalis_fuzz

# Seeds: the program's own files of the kinds each reader takes.
seed_patterns() {
  case "$1" in
    xml) echo "*.vcb *.vch *.vct *.vcr *.vcc" ;;
    batchfile) echo "*.vcb *.vch" ;;
    template) echo "*.vct" ;;
    report) echo "*.vcr" ;;
    foldercache) echo "*.vcc" ;;
    *) echo "" ;;
  esac
}

export ASAN_OPTIONS="${ASAN_OPTIONS:-halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=0}"
export LSAN_OPTIONS="suppressions=$ROOT/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export QT_QPA_PLATFORM=offscreen

run_target() {
  local t="$1"
  local work="$BUILD/corpus/$t" crashes="$BUILD/crashes/$t" kept="fuzz/corpus/$t"
  mkdir -p "$work" "$crashes" "$kept"
  local p
  for p in $(seed_patterns "$t"); do
    find tests/data resources -name "$p" -type f -exec cp -n {} "$work/" \; 2>/dev/null || true
  done
  [ -z "$(ls -A "$kept")" ] || cp -n "$kept"/* "$work/"
  local dict=()
  [ -f "fuzz/dict/$t.dict" ] && dict=(-dict="fuzz/dict/$t.dict")
  local log="$BUILD/fuzz-$t.log"
  local rc=0
  # The work corpus grows run by run; kept inputs (crashes found before) are replayed with it.
  nice "$BUILD/fuzz/fuzz_$t" "$work" "${dict[@]}" -max_total_time="$SECONDS_EACH" -timeout=10 \
    -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 -artifact_prefix="$crashes/" \
    >"$log" 2>&1 || rc=$?
  local execs cov
  execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
  cov=$(grep -Eo 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -1 || true)
  if [ $rc -ne 0 ]; then
    echo "$t: FAILED after ${execs:-?} executions, $cov"
    grep -E 'ERROR|Check failed|SUMMARY|artifact_prefix|Test unit written' "$log" | head -8 | sed 's/^/  /'
    ls "$crashes" | sed "s|^|  crash file: $crashes/|"
    return 1
  fi
  echo "$t: ${execs:-?} executions in ${SECONDS_EACH} s, $cov, corpus $(ls "$work" | wc -l) files, no crash"
}

failed=0
running=0
pids=()
for t in "${TARGETS[@]}"; do
  run_target "$t" &
  pids+=($!)
  running=$((running + 1))
  if [ "$running" -ge "$JOBS" ]; then
    wait "${pids[0]}" || failed=1
    pids=("${pids[@]:1}")
    running=$((running - 1))
  fi
done
for p in "${pids[@]}"; do
  wait "$p" || failed=1
done
exit $failed
