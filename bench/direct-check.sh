#!/bin/bash
# Shows that tarvex-direct-floor writes the run's documents and nothing else:
# runs the program on INPUT in a folder of its own (with the input's key file
# when there is one), writes every document again with tarvex-direct-floor and
# checks each copy against the run's document:
#   - qpdf --check finds nothing;
#   - the same protection: revision, permissions and key (so the same owner
#     password, empty user password and /ID);
#   - every object the same once decrypted, with its decompressed stream;
#   - every compressed stream the same bytes (the same deflate level);
#   - pdftotext reads the same text.
# Prints a line for each document; exit status 1 at the first difference.
#
#   bench/direct-check.sh BUILD-FOLDER INPUT.inp
set -euo pipefail
build=$(cd "$1" && pwd)
input=$2
for tool in qpdf pdftotext; do
    command -v $tool >/dev/null || { echo "direct-check.sh needs $tool" >&2; exit 2; }
done
name=$(basename "$input" .inp)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/copies"
cp "$input" "$work/"
key="$(dirname "$input")/${name}_inpkey.txt"
if [ -e "$key" ]; then cp "$key" "$work/"; fi
if ! (cd "$work" && "$build/app/tarvex" /F "$name.inp" >/dev/null 2>&1 </dev/null); then
    echo "$name: the run failed" >&2
    exit 1
fi

pdfs=()
qdfs=()
for pdf in "$work"/*.pdf; do
    [ -e "$pdf" ] || continue
    pdfs+=("$pdf")
    qdfs+=("$work/copies/${#qdfs[@]}.qdf")
    qpdf --qdf --normalize-content=n --object-streams=disable --decrypt "$pdf" "${qdfs[-1]}"
done
if [ ${#pdfs[@]} -eq 0 ]; then
    echo "$name: the run wrote no document" >&2
    exit 1
fi
"$build/bench/tarvex-direct-floor" "$work/copies" "${qdfs[@]}"

# qpdf's readable form of a document, decrypted, without what differs between
# any two writings: the original object numbers, the second half of /ID (qpdf
# makes it anew) and the offsets.
readable() {
    qpdf --qdf --normalize-content=n --object-streams=disable --decrypt "$@" - |
        grep -av -e '^%% Original object ID' -e '^  /ID \[' | sed '/^xref$/,$d'
}

differs() {
    echo "$name: $1 differs between $(basename "$2") and its copy" >&2
    diff <(cat -v "$3") <(cat -v "$4") | cut -c 1-160 | head -n 20 >&2 || true
    exit 1
}

for i in "${!pdfs[@]}"; do
    run=${pdfs[$i]}
    copy=$work/copies/direct-$((i + 1)).pdf
    status=0
    qpdf --check "$copy" >"$work/check.txt" 2>&1 || status=$?
    if [ $status -ne 0 ]; then
        echo "$name: qpdf --check on the copy of $(basename "$run") ended with $status" >&2
        cat "$work/check.txt" >&2
        exit 1
    fi
    for side in run copy; do
        file=$run
        [ $side = copy ] && file=$copy
        qpdf --show-encryption --show-encryption-key "$file" >"$work/$side.protection"
        readable "$file" >"$work/$side.objects"
        readable --stream-data=preserve "$file" >"$work/$side.compressed"
        pdftotext -enc UTF-8 "$file" "$work/$side.txt"
    done
    for what in protection objects compressed txt; do
        cmp -s "$work/run.$what" "$work/copy.$what" ||
            differs "$what" "$run" "$work/run.$what" "$work/copy.$what"
    done
    printf 'same  %s: %d objects, %d streams, %d bytes (copy %d)\n' "$(basename "$run")" \
        "$(grep -ac '^[0-9]* 0 obj$' "$work/run.objects")" \
        "$(grep -ac '^stream$' "$work/run.objects")" \
        "$(stat -c %s "$run")" "$(stat -c %s "$copy")"
done
