#!/usr/bin/env bash
# Fuzzes the harnesses of tests/fuzz with libFuzzer, each for a given time, then minimises what was
# found: crashing inputs to their smallest form, the grown corpus to the inputs that add coverage.
#
#   tests/fuzz/fuzz.sh [-t SECONDS] [-u] [HARNESS...]
#
#   -t SECONDS  fuzzing time per harness (default 120)
#   -u          merge the inputs that add coverage into the committed corpus tests/fuzz/corpus/<harness>
#   HARNESS     shift_jis, ini_file, pillars ... (default: all of them)
#
# Builds build/fuzz with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer). Findings go
# to build/fuzz/findings/<harness>/ (crash-*, and minimised-* beside each); the grown corpus to
# build/fuzz/work/<harness>/. Prints the executions of each harness.
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds=120
update_corpus=0
while getopts "t:u" option; do
  case $option in
    t) seconds=$OPTARG ;;
    u) update_corpus=1 ;;
    *) sed -n '2,12p' "$0" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))

command -v clang++ >/dev/null || { echo "clang++ is needed (scripts/packages.sh lists it)" >&2; exit 1; }
export CCACHE_BASEDIR=$PWD
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIRVO_FUZZ=ON \
  -DKIRVO_SANITIZE=ON -DKIRVO_BUILD_BENCH=OFF >/dev/null
cmake --build build/fuzz -j 2 --target kirvo_fuzzers

harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  harnesses=()
  for source in tests/fuzz/*_fuzz.cpp; do
    name=$(basename "$source" _fuzz.cpp)
    harnesses+=("$name")
  done
fi

status=0
summary=""
for harness in "${harnesses[@]}"; do
  program=build/fuzz/bin/kirvo_fuzz_$harness
  corpus=tests/fuzz/corpus/$harness
  work=build/fuzz/work/$harness
  findings=build/fuzz/findings/$harness
  mkdir -p "$work" "$findings"
  log=$findings/fuzz.log
  echo "== $harness: fuzzing for $seconds s"
  set +e
  "$program" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$findings/" "$work" "$corpus" >"$log" 2>&1
  result=$?
  set -e
  executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  found=""
  for crash in "$findings"/crash-* "$findings"/timeout-* "$findings"/oom-* "$findings"/leak-*; do
    [ -e "$crash" ] || continue
    case $crash in *minimised*) continue ;; esac
    "$program" -minimize_crash=1 -max_total_time=30 -exact_artifact_path="$crash.minimised" "$crash" \
      >>"$findings/minimise.log" 2>&1 || true
    found="$found $(basename "$crash")"
  done
  if [ $result -ne 0 ] || [ -n "$found" ]; then
    status=1
    summary+="$harness: $executions executions, FOUND:$found (see $log)"$'\n'
  else
    summary+="$harness: $executions executions, nothing found"$'\n'
  fi
  if [ $update_corpus -eq 1 ]; then
    "$program" -merge=1 "$corpus" "$work" >>"$findings/merge.log" 2>&1
  fi
done
echo
printf '%s' "$summary"
exit $status
