#!/bin/bash
# Instruction counts (callgrind) of a whole run of the program on each example,
# with every document it writes, beside the floor: libharu alone writing
# documents of the same number of pages with the same fonts, banner JPEG,
# compression and protection (tarvex-floor). Prints both and their ratio.
# Whatever documents a run writes are counted, so new ones are covered.
#
#   bench/measure.sh [BUILD-FOLDER]       (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
program=$build/app/tarvex
floor=$build/bench/tarvex-floor
for tool in valgrind pdfinfo qpdf; do
    command -v $tool >/dev/null || { echo "measure.sh needs $tool" >&2; exit 2; }
done
fonts=${TARVEX_FONT_DIR:-/usr/share/fonts/truetype/liberation2}
banner=$root/pdf/art/header.jpg
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Instructions of one command run under callgrind in the current folder.
instructions() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "${collect[@]}" "$@" 2>&1 >/dev/null |
        sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}
collect=()
millions() { awk -v n="$1" 'BEGIN { printf "%.1f M", n / 1e6 }'; }

printf '%-18s %12s %12s %6s  %s\n' example program floor ratio "documents (pages)"
for input in "$root"/examples/*.inp; do
    name=$(basename "$input" .inp)
    dir=$work/$name
    mkdir -p "$dir/floor"
    cp "$root"/examples/"$name"* "$dir"/
    run=$(cd "$dir" && instructions "$program" /F "$name.inp")
    readable=()
    documents=""
    for pdf in "$dir"/*.pdf; do
        [ -e "$pdf" ] || continue
        n=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
        documents="$documents $(basename "$pdf") ($n)"
        qdf=$dir/floor/$(basename "$pdf" .pdf).qdf
        qpdf --qdf --object-streams=disable --decrypt "$pdf" "$qdf"
        readable+=("$qdf")
    done
    start=$(instructions "$floor" "$banner" "$fonts" "$dir/floor")
    collect=("--toggle-collect=WriteDocuments*")
    writing=$(instructions "$floor" "$banner" "$fonts" "$dir/floor" "${readable[@]}")
    collect=()
    base=$((start + writing))
    ratio=$(awk -v a="$run" -v b="$base" 'BEGIN { printf "%.2f", a / b }')
    printf '%-18s %12s %12s %6s %s\n' "$name" "$(millions "$run")" "$(millions "$base")" \
        "$ratio" "${documents:- none}"
done
