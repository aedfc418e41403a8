#!/bin/bash
# Instruction counts (callgrind) of a whole run of the program on each example,
# with every document it writes, beside two floors that write the same
# documents, and the program's ratio to each:
#   floor   tarvex-floor: libharu alone replaying the documents' pages with the
#           same fonts, banner JPEG, compression and protection;
#   direct  tarvex-direct-floor: the same documents' bytes written straight
#           through zlib, RC4 and MD5, the limit of what writing them costs.
# Each example is measured with the lodgement message off, with it on, and
# with the IAS package when the example asks for one. Before it is measured,
# bench/direct-check.sh shows for each of these inputs that the direct copies
# are the run's documents. Whatever documents a run writes are counted, so new
# ones are covered.
#
#   bench/measure.sh [BUILD-FOLDER]       (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
program=$build/app/tarvex
floor=$build/bench/tarvex-floor
direct=$build/bench/tarvex-direct-floor
keys=$build/tools/tarvex-inpkey
for tool in valgrind pdfinfo pdftotext qpdf; do
    command -v $tool >/dev/null || { echo "measure.sh needs $tool" >&2; exit 2; }
done
for built in "$program" "$floor" "$direct" "$keys"; do
    [ -x "$built" ] || { echo "measure.sh needs $built" >&2; exit 2; }
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
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# An example with its message settings replaced by `settings` (lines for its
# GENERAL object), under its own name in `dir`, with its key written anew.
variant() {
    local input=$1 dir=$2 settings=$3
    local name plain word index
    name=$(basename "$input" .inp)
    plain=$(grep -v '^ *\(PRODUCE-MESSAGES\|MESSAGE-FORMAT\) *=' "$input")
    if [ -n "$settings" ]; then
        sed "/= *GENERAL *\$/a\\$settings" <<<"$plain" >"$dir/$name.inp"
    else
        printf '%s\n' "$plain" >"$dir/$name.inp"
    fi
    # The key index is the code number of the input's CENGINE-VAL.
    word=$(sed -n 's/^ *CENGINE-VAL *= *\([A-Za-z0-9-]*\).*/\1/p' "$input" | head -n 1)
    index=$(awk -F, -v w="$word" '$1 == "KEY" && $4 == "CENGINE-VAL" { on = 1; next }
      on && $1 == "CODE" && $4 == w { print $3; exit } on && $1 != "CODE" { on = 0 }' \
        "$root/data/csv/Tarvex.csv")
    [ -n "$index" ] || { echo "no key index for $input" >&2; exit 1; }
    "$keys" "$dir/$name.inp" "$index" >/dev/null
}

if commit=$(git -C "$root" rev-parse --short HEAD 2>/dev/null); then
    git -C "$root" diff --quiet HEAD -- || commit="$commit (with uncommitted changes)"
else
    commit="unknown (not a git checkout)"
fi
echo "commit $commit"
# The start of each floor, with no documents: the process start alone.
floorStart=$(instructions "$floor" "$banner" "$fonts" "$work")
directStart=$(instructions "$direct" "$work")
checked=0
printf '%-24s %9s %9s %6s %9s %6s  %s\n' example program floor ratio direct ratio \
    "documents (pages)"
for input in "$root"/examples/*.inp; do
    name=$(basename "$input" .inp)
    labels=("$name" "$name+message")
    settings=("" "   PRODUCE-MESSAGES = YES")
    if grep -q '^ *MESSAGE-FORMAT *= *IAS' "$input"; then
        labels+=("$name+package")
        settings+=("   PRODUCE-MESSAGES = YES\n   MESSAGE-FORMAT = IAS")
    fi
    for i in "${!labels[@]}"; do
        dir=$work/${labels[$i]}
        mkdir -p "$dir/floor" "$dir/direct"
        variant "$input" "$dir" "${settings[$i]}"
        if ! bash "$root/bench/direct-check.sh" "$build" "$dir/$name.inp" >"$work/check.txt" 2>&1; then
            echo "${labels[$i]}: the direct copies are not the run's documents" >&2
            cat "$work/check.txt" >&2
            exit 1
        fi
        checked=$((checked + $(grep -c '^same ' "$work/check.txt")))
        run=$(cd "$dir" && instructions "$program" /F "$name.inp")
        readable=()
        documents=""
        for pdf in "$dir"/*.pdf; do
            [ -e "$pdf" ] || continue
            n=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
            documents="$documents, $(basename "$pdf" | sed "s/^$name//; s/\.pdf\$//") ($n)"
            qdf=$dir/floor/$(basename "$pdf" .pdf).qdf
            # Streams as the run wrote them: qpdf would otherwise rewrite
            # their strings.
            qpdf --qdf --normalize-content=n --object-streams=disable --decrypt "$pdf" "$qdf"
            readable+=("$qdf")
        done
        # What the run wrote besides its documents (neither floor writes it).
        if compgen -G "$dir/*.xml" >/dev/null; then documents="$documents, message"; fi
        if [ -e "$dir/$name.ias" ]; then documents="$documents, package"; fi
        documents=${documents#, }
        collect=("--toggle-collect=WriteDocuments*")
        replay=$((floorStart + $(instructions "$floor" "$banner" "$fonts" "$dir/floor" \
            "${readable[@]}")))
        limit=$((directStart + $(instructions "$direct" "$dir/direct" "${readable[@]}")))
        collect=()
        printf '%-24s %9s %9s %6s %9s %6s  %s\n' "${labels[$i]}" "$(millions "$run")" \
            "$(millions "$replay")" "$(ratio "$run" "$replay")" "$(millions "$limit")" \
            "$(ratio "$run" "$limit")" "${documents:-none}"
    done
done
echo "direct copies checked against the run's documents: $checked, all the same"
