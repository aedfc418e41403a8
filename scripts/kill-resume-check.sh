#!/usr/bin/env bash
# Kills tarvex-batch outright (SIGKILL) at random moments and resumes it after
# each kill, until at least KILLS kills have landed:
#
#   bash scripts/kill-resume-check.sh [BUILD-FOLDER]     (default: build)
#
# Each round is a fresh portfolio of INPUTS copies of the England example
# (each its own UPRN, in two folders) run with --jobs 2 --resume, killed
# after a random wait of up to a second and started again, until a batch ends
# by itself. Then the round's journal must hold every input exactly once, each
# "ok" with its results and log beside it, and nothing of the batch's may be
# left: no temporary file in the portfolio or the summary's folder, no work
# folder, no lock. Exit status 0 when every check held, 1 when one did not.
# KEEP=1 keeps the temporary folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
batch=$build/tools/tarvex-batch
kills_wanted=${KILLS:-20}
inputs=${INPUTS:-60}
started=$(date +%s)

say() { echo "kill-resume-check: $*"; }
fail() {
  say "FAILED: $*"
  exit 1
}
[ -x "$batch" ] || fail "no $batch (build first)"

work=$(mktemp -d)
cleanup() { if [ "${KEEP:-0}" = 1 ]; then say "kept $work"; else rm -rf "$work"; fi; }
trap cleanup EXIT
mkdir -p "$work/tmp"
export TMPDIR=$work/tmp

# Two folders, so that runs of one batch are in more than one place.
portfolio() {
  local dir=$1 i sub
  for i in $(seq 1 "$inputs"); do
    sub=$dir/$((i % 2 == 0 ? 0 : 1))
    mkdir -p "$sub"
    sed -E "0,/^( *UPRN *= *)\"[0-9]+\"/s//\1\"$(printf '5000%08d' "$i")\"/" \
      "$root/examples/england-office.inp" >"$sub/in$i.inp"
  done
}

# A round's end: every input once and ok with its outputs, nothing left over.
check_round() {
  local p=$1 summary=$2 rows ok distinct i
  rows=$(grep -c . "$summary.jsonl" || true)
  ok=$(grep -c '"status":"ok"' "$summary.jsonl" || true)
  distinct=$(grep -o '"input":"[^"]*"' "$summary.jsonl" | sort -u | wc -l)
  [ "$rows" -eq "$inputs" ] && [ "$distinct" -eq "$inputs" ] && [ "$ok" -eq "$inputs" ] ||
    fail "$summary.jsonl: $rows rows, $distinct inputs, $ok ok (want $inputs each)"
  for i in $(seq 1 "$inputs"); do
    local stem=$p/$((i % 2 == 0 ? 0 : 1))/in$i
    [ -s "$stem.csv" ] && [ -s "$stem.log" ] || fail "in$i: its results or log are missing"
  done
  [ -z "$(find "$p" "$(dirname "$summary")" -maxdepth 2 -name '.tarvex-*' -print -quit)" ] ||
    fail "a temporary file was left: $(find "$p" "$(dirname "$summary")" -maxdepth 2 -name '.tarvex-*' -printf "%f %TT\n") at $(date +%T.%N); $(ps -eo pid,stat,lstart,cmd | grep -c "batch-worker") workers"
  [ -z "$(find "$work/tmp" -maxdepth 1 -name 'tarvex-batch-*' -print -quit)" ] ||
    fail "a work folder was left in $work/tmp"
  [ ! -e "$summary.lock" ] || fail "the lock $summary.lock was left"
}

kills=0
round=0
while [ "$kills" -lt "$kills_wanted" ]; do
  round=$((round + 1))
  p=$work/round$round
  summary=$work/summary$round/s
  mkdir -p "$(dirname "$summary")"
  portfolio "$p"
  while :; do
    "$batch" --jobs 2 --resume --summary "$summary" "$p" >"$work/out" 2>"$work/err" &
    pid=$!
    sleep "0.$(printf '%03d' $((RANDOM % 1000)))"
    kill -KILL "$pid" 2>/dev/null || true
    status=0
    wait "$pid" 2>/dev/null || status=$?
    if [ "$status" -eq 137 ]; then
      kills=$((kills + 1))
      continue
    fi
    # It ended before the kill: it must have ended well.
    [ "$status" -eq 0 ] || fail "round $round: tarvex-batch ended with $status: $(cat "$work/err")"
    break
  done
  check_round "$p" "$summary"
  say "round $round: every input once and ok, nothing left over; $kills kills so far"
done
say "all checks held: $kills kills in $round rounds, $(($(date +%s) - started)) s"
