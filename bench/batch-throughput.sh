#!/bin/bash
# Throughput of tarvex-batch: N copies of the England example, each in a
# folder of its own, run with --jobs 1 and with --jobs J on fresh copies,
# back to back (paired), ROUNDS times, the order of the two swapped every
# other round so that a drift of the machine falls on both. Prints each
# pair's seconds, runs a second and speed-up, and the median speed-up;
# checks that every summary holds a row for every copy, all ok with both
# reference numbers, and runs qpdf --check on the documents of a sample.
# Run it on an idle machine.
#
#   bench/batch-throughput.sh [BUILD-FOLDER] [N] [J] [ROUNDS]   (default: build 1000 2 3)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
copies=${2:-1000}
jobs=${3:-2}
rounds=${4:-3}
batch=$build/tools/tarvex-batch
command -v qpdf >/dev/null || { echo "batch-throughput.sh needs qpdf" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Fresh copies in a folder of their own for each timing; nothing is removed
# until the end, and the disk is settled first: deleting thousands of files
# (with discard on) slows the disk for a while after, and on a file system
# without a journal every file made soon after looks past the inodes just
# freed.
prepare() {
    local in=$work/in-$1
    for ((i = 1; i <= copies; i++)); do
        mkdir -p "$in/$i"
        cp "$root/examples/england-office.inp" "$root/examples/england-office_inpkey.txt" "$in/$i/"
    done
}

# One timing: --jobs $2 on copies $1; prints the seconds.
timed() {
    local in=$work/in-$1 start
    start=$(date +%s.%N)
    "$batch" --jobs "$2" --program "$build/app/tarvex" --data "$root/data" \
        --summary "$work/summary-$1" "$in" >/dev/null || true
    awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN { printf "%.2f", e - s }'
}

# Every copy has its row, ok with both reference numbers.
check() {
    local rows ok
    rows=$(wc -l <"$work/summary-$1.jsonl")
    ok=$(grep -c '"status":"ok".*"rrn_certificate":"[0-9-]\{24\}","rrn_recommendations":"[0-9-]\{24\}"' \
        "$work/summary-$1.jsonl" || true)
    if [[ $rows != "$copies" || $ok != "$copies" ]]; then
        echo "summary $1: $rows rows, $ok ok with both reference numbers (expected $copies)" >&2
        exit 1
    fi
}

speedups=()
for ((r = 1; r <= rounds; r++)); do
    prepare "$r-1"
    prepare "$r-$jobs"
    sync
    sleep 2
    if ((r % 2)); then order=(1 "$jobs"); else order=("$jobs" 1); fi
    declare -A seconds=()
    for j in "${order[@]}"; do seconds[$j]=$(timed "$r-$j" "$j"); done
    check "$r-1"
    check "$r-$jobs"
    speedup=$(awk -v a="${seconds[1]}" -v b="${seconds[$jobs]}" 'BEGIN { printf "%.2f", a / b }')
    speedups+=("$speedup")
    printf -- 'round %s: --jobs 1 %s s (%s runs/s), --jobs %s %s s (%s runs/s), speed-up %s\n' \
        "$r" "${seconds[1]}" "$(awk -v n="$copies" -v s="${seconds[1]}" 'BEGIN { printf "%.1f", n / s }')" \
        "$jobs" "${seconds[$jobs]}" \
        "$(awk -v n="$copies" -v s="${seconds[$jobs]}" 'BEGIN { printf "%.1f", n / s }')" "$speedup"
done
median=$(printf '%s\n' "${speedups[@]}" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
echo "speed-up of --jobs $jobs over --jobs 1: median $median of $rounds paired rounds ($copies copies each), at $(git -C "$root" rev-parse --short HEAD)"
checked=0
for i in 1 $((copies / 2)) "$copies"; do
    for pdf in "$work/in-1-1/$i"/*.pdf; do
        qpdf --check "$pdf" >/dev/null 2>&1 || { echo "qpdf --check failed: $pdf"; exit 1; }
        checked=$((checked + 1))
    done
done
echo "qpdf --check passed on $checked documents of copies 1, $((copies / 2)) and $copies"
