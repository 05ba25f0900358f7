#!/usr/bin/env bash
# Times `kirvo-cli chart … --pdf` and `kirvo-cli luck … --pdf` as whole processes: start, the chart or
# table, the page layout, the painting and the PDF with its fonts written; best and median of N runs.
#   bench/print_pdf_speed.sh [path/to/kirvo-cli] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/release/bin/kirvo-cli}
runs=${2:-11}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export KIRVO_STORE_DIR="$work" KIRVO_HOME="$work"
person=(--name 試験太郎 --sex 男 --birth "1984/02/10 12:00" --at "1995/03/15 09:30")

# Best and median wall time of the command in milliseconds, after one run not counted.
time_runs() {
  "$@" > /dev/null 2>&1
  local times=() start
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$@" > /dev/null 2>&1
    times+=($(( ($(date +%s%N) - start) / 1000000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END { printf "best %d ms, median %d ms\n", t[1], t[int((NR + 1) / 2)] }'
}
echo "chart --range 1 --pdf: $(time_runs "$cli" chart "${person[@]}" --range 1 --pdf "$work/chart.pdf")"
echo "luck --level 1 --pdf:  $(time_runs "$cli" luck "${person[@]}" --level 1 --pdf "$work/luck.pdf")"
