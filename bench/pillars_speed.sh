#!/usr/bin/env bash
# Times `kirvo-cli pillars` on 100,000 random moments, whole process, by the standard and by the
# precise term method, and — with --reference — the
# same 100,000 four-pillar computations by the JavaScript calendar library lunar-javascript on node
# (installed into a temporary folder, never into the project).
#   bench/pillars_speed.sh [--reference] [path/to/kirvo-cli]
set -euo pipefail
cd "$(dirname "$0")/.."
reference=false
if [ "${1:-}" = "--reference" ]; then reference=true; shift; fi
cli=${1:-build/release/bin/kirvo-cli}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
awk -v n=100000 -f bench/random_moments.awk > "$work/moments.txt"

# Best of five runs of the tool, in milliseconds; its output of the last run in $work/kirvo$1.txt.
time_pillars() {
  local suffix=$1
  shift
  local best="" elapsed start
  for run in 1 2 3 4 5; do
    start=$(date +%s%N)
    "$cli" pillars "$@" < "$work/moments.txt" > "$work/kirvo$suffix.txt"
    elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
    if [ -z "$best" ] || [ "$elapsed" -lt "$best" ]; then best=$elapsed; fi
  done
  echo "$best"
}
best=$(time_pillars "")
echo "kirvo-cli pillars, 100000 moments: best of 5 runs ${best} ms ($(( best * 10 )) ns per moment)"
precise=$(time_pillars "-precise" --precise)
echo "kirvo-cli pillars --precise, 100000 moments: best of 5 runs ${precise} ms ($(( precise * 10 )) ns per moment)"

if $reference; then
  (cd "$work" && npm init -y > /dev/null && npm install --silent lunar-javascript > /dev/null)
  cat > "$work/reference.js" <<'JS'
const {Solar} = require('lunar-javascript');
const lines = require('fs').readFileSync(process.argv[2], 'utf8').trim().split('\n');
const out = [];
for (const line of lines) {
  const [date, time] = line.split(' ');
  const [y, m, d] = date.split('/').map(Number);
  const [h, mi] = time.split(':').map(Number);
  const lunar = Solar.fromYmdHms(y, m, d, h, mi, 0).getLunar();
  out.push([line, lunar.getYearInGanZhiByLiChun(), lunar.getMonthInGanZhiExact(), lunar.getDayInGanZhi(),
            lunar.getTimeInGanZhi()].join('\t'));
}
require('fs').writeFileSync(process.argv[3], out.join('\n') + '\n');
JS
  start=$(date +%s%N)
  (cd "$work" && node reference.js moments.txt reference.txt)
  elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
  echo "lunar-javascript on node, 100000 moments: ${elapsed} ms"
  echo "ratio: $(( elapsed / best ))x, with --precise $(( elapsed / precise ))x"
  # Pillars that differ: only moments within an hour of a month-opening term should appear here.
  paste <(cut -f1-5 "$work/kirvo.txt") <(cut -f2-5 "$work/reference.txt") |
    awk -F'\t' '$2 != $6 || $3 != $7 || $4 != $8 || $5 != $9 { n++ } END { print "moments whose pillars differ:", n + 0 }'
fi
