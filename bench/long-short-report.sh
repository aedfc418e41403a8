#!/usr/bin/env bash
# A short report past the 32,767 pages one page list holds: the England
# example with N recommendations of its own (240,000 by default, about 34,000
# pages), run once. Prints the run's time and peak memory, the pages and
# whether qpdf finds the file sound. Minutes and gigabytes: a benchmark, not
# a test.
#
#   bench/long-short-report.sh BUILD [N]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
count=${2:-240000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
input=$work/long.inp
# Everything before the example's first recommendation, then the many, then
# the rest of the example after its recommendations.
awk '/= RECOMMENDATION$/ { exit } { print }' "$root/examples/england-office.inp" >"$input"
awk -v n="$count" 'BEGIN {
  for (i = 1; i <= n; i++) {
    printf "\"Rec %d\" = RECOMMENDATION\n   CODE = USER\n   CATEGORY = LIGHTING\n", i
    printf "   REC-SOURCE = USER-IN\n   PAY-BACK-NUM = %d.5\n   PAY-BACK = SHORT\n", i % 9
    printf "   REC-TEXT = \"Replace the lamps of room %d with LED lamps\"\n   ..\n", i
  }
}' >>"$input"
# The objects after the recommendations: from the first BUILDING-DATA on.
awk '/= BUILDING-DATA$/ { f = 1 } f { print }' "$root/examples/england-office.inp" >>"$input"
echo "input: $(stat -c %s "$input") bytes, $count recommendations (commit $(git -C "$root" rev-parse --short HEAD))"
cd "$work"
/usr/bin/time -f "run: %e s, peak %M KB, exit %x" "$build/app/tarvex" /F long.inp >run.out 2>run.err || true
tail -1 run.err
pdfinfo 'long[srec].pdf' 2>/dev/null | grep Pages || echo "no short report written"
qpdf --check 'long[srec].pdf' >/dev/null 2>&1 && echo "qpdf: no faults" || echo "qpdf: faults"
