#!/usr/bin/env bash
# Runs two builds of the program on the same inputs under one fixed clock and
# compares every file they write, byte for byte: the way to show that a change
# which should not alter any output really does not.
#
#   scripts/same-outputs.sh BUILD-A BUILD-B [INPUT.inp ...]
#
# Without inputs, the examples are used, each also with the lodgement message
# and with the IAS package switched on. The key files are written by each
# build's own tarvex-inpkey, so the variants pass validation as the examples do.
# Exit status 0 when every file is identical, 1 otherwise.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
a=$(cd "$1" && pwd)
b=$(cd "$2" && pwd)
shift 2
work=$(mktemp -d)
[ -n "${KEEP_WORK:-}" ] && echo "work folder: $work" || trap 'rm -rf "$work"' EXIT
cc -shared -fPIC -O1 -o "$work/fixed_clock.so" "$root/tests/support/fixed_clock.c"
# 2026-12-11, after the examples' inspection dates (a date after the run is
# warned of); TARVEX_FIXED_TIME chooses another.
fixed_time=${TARVEX_FIXED_TIME:-1796947200}

inputs=("$@")
if [ ${#inputs[@]} -eq 0 ]; then
  mkdir -p "$work/inputs"
  for input in "$root"/examples/*.inp; do
    name=$(basename "$input" .inp)
    cp "$input" "$work/inputs/$name.inp"
    # The same building with each message switched on.
    plain=$(grep -v '^ *\(PRODUCE-MESSAGES\|MESSAGE-FORMAT\) *=' "$input")
    sed '/= *GENERAL *$/a\   PRODUCE-MESSAGES = YES' <<< "$plain" > "$work/inputs/$name-message.inp"
    sed '/= *GENERAL *$/a\   PRODUCE-MESSAGES = YES\n   MESSAGE-FORMAT = IAS' <<< "$plain" \
      > "$work/inputs/$name-package.inp"
  done
  inputs=("$work"/inputs/*.inp)
fi

status=0
for input in "${inputs[@]}"; do
  name=$(basename "$input" .inp)
  for side in a b; do
    build=$a; [ $side = b ] && build=$b
    dir=$work/$side/$name
    mkdir -p "$dir"
    cp "$input" "$dir/"
    # The key index is the code number of the input's CENGINE-VAL.
    word=$(sed -n 's/^ *CENGINE-VAL *= *\([A-Za-z0-9-]*\).*/\1/p' "$input" | head -n 1)
    index=$(awk -F, -v w="$word" '$1 == "KEY" && $4 == "CENGINE-VAL" { on = 1; next }
      on && $1 == "CODE" && $4 == w { print $3; exit } on && $1 != "CODE" { on = 0 }' \
      "$root/data/csv/Tarvex.csv")
    if [ -x "$build/tools/tarvex-inpkey" ] && [ -n "$index" ]; then
      "$build/tools/tarvex-inpkey" "$dir/$name.inp" "$index" > /dev/null
    else
      cp "$(dirname "$input")/${name}_inpkey.txt" "$dir/" 2>/dev/null || true
    fi
    (cd "$dir" && TARVEX_FIXED_TIME="$fixed_time" LD_PRELOAD="$work/fixed_clock.so" \
      "$build/app/tarvex" /F "$name.inp" > "$work/$side-$name.console" 2>&1 < /dev/null) || true
    mv "$work/$side-$name.console" "$dir/console.txt"
  done
  files=$( (cd "$work/a/$name" && ls; cd "$work/b/$name" && ls) | sort -u)
  differing=""
  for f in $files; do
    cmp -s "$work/a/$name/$f" "$work/b/$name/$f" || differing="$differing $f"
  done
  if [ -z "$differing" ]; then
    echo "same       $name ($(echo $files | wc -w) files)"
  else
    echo "DIFFERENT  $name:$differing"
    status=1
  fi
done
exit $status
