#!/bin/bash
# Throughput of tarvex-batch: N copies of the England example, each in a
# folder of its own, run with --jobs 1 and then with --jobs J on fresh
# copies. Prints the seconds, runs a second and the speed-up, checks that the
# summary holds a row for every copy, all ok with both reference numbers, and
# runs qpdf --check on the documents of a sample. Run it on an idle machine.
#
#   bench/batch-throughput.sh [BUILD-FOLDER] [N] [J]     (default: build 1000 2)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
copies=${2:-1000}
jobs=${3:-2}
batch=$build/tools/tarvex-batch
command -v qpdf >/dev/null || { echo "batch-throughput.sh needs qpdf" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Fresh copies in a folder of their own for each timing; nothing is removed
# until the end, and the disk is settled first: deleting thousands of files
# (with discard on) slows the disk for a while after.
prepare() {
    in=$work/in-$1
    for ((i = 1; i <= copies; i++)); do
        mkdir -p "$in/$i"
        cp "$root/examples/england-office.inp" "$root/examples/england-office_inpkey.txt" "$in/$i/"
    done
    sync
    sleep 2
}

declare -A seconds
for j in 1 "$jobs"; do
    prepare "$j"
    start=$(date +%s.%N)
    "$batch" --jobs "$j" --program "$build/app/tarvex" --data "$root/data" \
        --summary "$work/summary-$j" "$in" >/dev/null || true
    seconds[$j]=$(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN { printf "%.2f", e - s }')
    rows=$(wc -l <"$work/summary-$j.jsonl")
    ok=$(grep -c '"status":"ok".*"rrn_certificate":"[0-9-]\{24\}","rrn_recommendations":"[0-9-]\{24\}"' \
        "$work/summary-$j.jsonl" || true)
    printf -- '--jobs %s: %s s, %s runs/s, %s rows, %s ok with both reference numbers\n' \
        "$j" "${seconds[$j]}" "$(awk -v n="$copies" -v s="${seconds[$j]}" 'BEGIN { printf "%.1f", n / s }')" \
        "$rows" "$ok"
done
awk -v a="${seconds[1]}" -v b="${seconds[$jobs]}" -v j="$jobs" \
    'BEGIN { printf "speed-up of --jobs %s: %.2f times\n", j, a / b }'
checked=0
for i in 1 $((copies / 2)) "$copies"; do
    for pdf in "$in/$i"/*.pdf; do
        qpdf --check "$pdf" >/dev/null 2>&1 || { echo "qpdf --check failed: $pdf"; exit 1; }
        checked=$((checked + 1))
    done
done
echo "qpdf --check passed on $checked documents of copies 1, $((copies / 2)) and $copies"
