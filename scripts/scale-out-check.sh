#!/usr/bin/env bash
# Proves the scale-out lines of docs/scale-out.md on this machine, as root:
#
#   bash scripts/scale-out-check.sh [BUILD-FOLDER]     (default: build)
#
# 1. Slurm: starts munged, slurmctld and slurmd on localhost (Debian's
#    slurm-wlm and munge; all their state in a temporary folder), takes the
#    documented job script and its submission, resubmission and join lines
#    out of docs/scale-out.md (shard count 6, the CPUs of a task taken from
#    the node as documented), submits the array over 60 inputs, one building
#    planted twice in two shards, cancels one task with scancel once its
#    journal has a row, resubmits it with the documented line, and checks the
#    join: every input exactly once, every one "ok", the planted pair named
#    and the join's status 1 for it; its report written.
# 2. GNU parallel: the two documented recipes on ":" (this machine), the
#    first with one shard stopped by SIGTERM part way and the line run again;
#    each ends with its join, status 0 (nothing planted); the per-input one
#    leaves nothing beside the inputs but their outputs.
#
# Only the processes it starts are stopped, by their process ids. Exit status
# 0 when every check held, 1 when one did not, 2 when something it needs is
# missing. KEEP=1 keeps the temporary folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
doc=$root/docs/scale-out.md
inputs=60
shards=6
started=$(date +%s)

say() { echo "scale-out-check: $*"; }
fail() {
  say "FAILED: $*"
  exit 1
}
[ "$(id -u)" -eq 0 ] || { say "run as root: slurmd runs the jobs" >&2; exit 2; }
for tool in munged slurmctld slurmd sbatch squeue scancel sinfo parallel; do
  command -v "$tool" >/dev/null ||
    { say "$tool is missing: TARVEX_SCALE_OUT=1 bash scripts/install-deps.sh" >&2; exit 2; }
done
[ -x "$build/tools/tarvex-batch" ] && [ -x "$build/app/tarvex" ] ||
  { say "build first: TARVEX_BUILD_DIR=$build bash scripts/build.sh tarvex tarvex-batch" >&2; exit 2; }

work=$(mktemp -d /tmp/tarvex-scale-out-XXXXXX)
chmod 755 "$work"
daemons=()
cleanup() {
  local pid
  for pid in "${daemons[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${daemons[@]}"; do
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  done
  if [ "${KEEP:-0}" = 1 ]; then say "kept $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT

# --- the documented lines ----------------------------------------------------
# The N-th fenced block of LANG after the heading HEADING in the document.
block() {
  awk -v heading="$1" -v lang="$2" -v n="$3" '
    $0 == heading { inside = 1; next }
    inside && /^## / { exit }
    inside && $0 == "```" lang { count++; if (count == n) { taking = 1; next } }
    taking && $0 == "```" { exit }
    taking { print }' "$doc"
}
# Replaces FROM by TO in the text on standard input; a FROM not found means the
# document changed under the check.
swap() {
  local text
  text=$(cat)
  [[ $text == *"$1"* ]] || fail "docs/scale-out.md no longer holds '$1'"
  printf '%s\n' "${text//"$1"/"$2"}"
}
slurm_script=$(block "## A Slurm job array" bash 1 | swap "--array=1-50" "--array=1-$shards" |
  swap "SHARDS=50" "SHARDS=$shards")
[[ $slurm_script != *"--cpus-per-task="* ]] ||
  fail "the Slurm script of docs/scale-out.md names a CPU count, which can pend for ever"
slurm_lines=$(block "## A Slurm job array" sh 1 | swap "-of-50" "-of-$shards")
cpus_line=$(sed -n 1p <<<"$slurm_lines")
submit_line="$cpus_line; $(sed -n 2p <<<"$slurm_lines")"
resubmit_line="$cpus_line; $(sed -n 3p <<<"$slurm_lines")"
join_line=$(sed -n 4p <<<"$slurm_lines")
[[ $cpus_line == CPUS=*sinfo* && $submit_line == *"sbatch --cpus-per-task"*"scale-out.slurm"* &&
  $resubmit_line == *"--array=TASK"* && $join_line == "tarvex-batch join "* ]] ||
  fail "the Slurm lines of docs/scale-out.md are not as the check expects"
# A block's last line is its join; the lines before it, the run.
parallel_block=$(block "## GNU parallel across machines" sh 1 | swap "/20" "/$shards" |
  swap "-of-20" "-of-$shards" | swap "seq 1 20" "seq 1 $shards")
parallel_shards=$(sed '$d' <<<"$parallel_block")
parallel_join=$(tail -1 <<<"$parallel_block")
inputs_block=$(block "## GNU parallel across machines" sh 2)
parallel_inputs=$(sed '$d' <<<"$inputs_block")
inputs_join=$(tail -1 <<<"$inputs_block")
[ -n "$slurm_script" ] && [ -n "$parallel_shards" ] && [ -n "$parallel_inputs" ] ||
  fail "a block of docs/scale-out.md is missing"
[[ $parallel_join == "tarvex-batch join "* && $inputs_join == "tarvex-batch join "* ]] ||
  fail "the GNU parallel recipes of docs/scale-out.md do not end with their join"

# --- a portfolio ----------------------------------------------------------------
# 60 copies of the England example, each its own UPRN, listed in inputs.txt;
# with "plant", in60.inp gets the UPRN of in1.inp: one building twice, in two
# shards (the inputs sorted by name, in1 is the first of shard 1 and in60 the
# 57th input, in shard 3 of 6), so that only the join can see the pair.
portfolio() {
  local dir=$1 plant=${2:-} i uprn
  mkdir -p "$dir"
  : >"$dir/inputs.txt"
  for i in $(seq 1 $inputs); do
    uprn=$(printf '4000%08d' "$i")
    [ "$plant" = plant ] && [ "$i" -eq $inputs ] && uprn=$(printf '4000%08d' 1)
    sed -E "0,/^( *UPRN *= *)\"[0-9]+\"/s//\1\"$uprn\"/" \
      "$root/examples/england-office.inp" >"$dir/in$i.inp"
    echo "in$i.inp" >>"$dir/inputs.txt"
  done
}
# Runs a documented join line; checks its status.
join_as_documented() {
  local line=$1 want=$2 what=$3 status=0
  bash -c "$line" >join.out 2>&1 || status=$?
  [ "$status" -eq "$want" ] || fail "$what: the join ended with $status (want $want): $(cat join.out)"
  [ -s portfolio.html ] || fail "$what: the join wrote no report"
}
# Checks a joined journal: every input of the portfolio exactly once, "ok".
check_joined() {
  local joined=$1 what=$2 rows ok distinct
  rows=$(grep -c . "$joined" || true)
  ok=$(grep -c '"status":"ok"' "$joined" || true)
  distinct=$(grep -o '"input":"[^"]*"' "$joined" | sort -u | wc -l)
  [ "$rows" -eq $inputs ] && [ "$distinct" -eq $inputs ] && [ "$ok" -eq $inputs ] ||
    fail "$what: $rows rows, $distinct inputs, $ok ok (want $inputs each)"
  say "$what: $inputs inputs, each exactly once, all ok"
}
# Rows in a journal (0 when there is none yet).
rows_in() { if [ -f "$1" ]; then grep -c . "$1" || true; else echo 0; fi; }
no_work_folders() {
  [ -z "$(find "$work/tmp" -maxdepth 1 -name 'tarvex-batch-*' -print -quit)" ] ||
    fail "$1: a tarvex-batch work folder was left in $work/tmp"
}
mkdir -p "$work/tmp"
export TMPDIR=$work/tmp
export PATH=$build/tools:$PATH

# --- Slurm ------------------------------------------------------------------------
host=$(hostname -s)
getent hosts "$host" >/dev/null || fail "the host name $host does not resolve"
mkdir -p "$work/munge" "$work/slurm/state" "$work/slurm/spool"
chmod 700 "$work/munge"
head -c 1024 /dev/urandom >"$work/munge/munge.key"
chmod 400 "$work/munge/munge.key"
munged --foreground --force --socket="$work/munge/socket" --key-file="$work/munge/munge.key" \
  --pid-file="$work/munge/munged.pid" --log-file="$work/munge/munged.log" \
  --seed-file="$work/munge/munged.seed" >"$work/munge/munged.out" 2>&1 &
daemons+=($!)
for _ in $(seq 100); do [ -S "$work/munge/socket" ] && break; sleep 0.1; done
[ -S "$work/munge/socket" ] || fail "munged did not start (see $work/munge/munged.log)"

port=${SCALE_OUT_PORT:-16817}
export SLURM_CONF=$work/slurm/slurm.conf
cat >"$SLURM_CONF" <<EOF
ClusterName=tarvexcheck
SlurmctldHost=$host
SlurmctldPort=$port
SlurmdPort=$((port + 1))
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
AuthInfo=socket=$work/munge/socket
CredType=cred/munge
StateSaveLocation=$work/slurm/state
SlurmdSpoolDir=$work/slurm/spool
SlurmctldPidFile=$work/slurm/slurmctld.pid
SlurmdPidFile=$work/slurm/slurmd.pid
SlurmctldLogFile=$work/slurm/slurmctld.log
SlurmdLogFile=$work/slurm/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
SwitchType=switch/none
MpiDefault=none
SchedulerType=sched/builtin
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
ReturnToService=2
KillWait=30
NodeName=$host NodeAddr=127.0.0.1 CPUs=$(nproc) State=UNKNOWN
PartitionName=check Nodes=ALL Default=YES MaxTime=INFINITE State=UP
EOF
slurmctld -D -i -f "$SLURM_CONF" >"$work/slurm/slurmctld.out" 2>&1 &
daemons+=($!)
slurmd -D -f "$SLURM_CONF" >"$work/slurm/slurmd.out" 2>&1 &
daemons+=($!)
for _ in $(seq 300); do
  [ "$(sinfo -h -o %T 2>/dev/null | head -1)" = idle ] && break
  sleep 0.1
done
[ "$(sinfo -h -o %T 2>/dev/null | head -1)" = idle ] ||
  fail "the Slurm node did not come up (see $work/slurm/*.log)"
say "Slurm 22.05 cluster of one node ($(nproc) CPUs) up in $(($(date +%s) - started)) s"

cluster=$work/slurm-portfolio
portfolio "$cluster" plant
printf '%s\n' "$slurm_script" >"$cluster/scale-out.slurm"
cd "$cluster"
submitted=$(bash -c "$submit_line")
job=$(grep -o '[0-9]\+' <<<"$submitted" | tail -1)
[ -n "$job" ] || fail "sbatch said: $submitted"
cpus=$(bash -c "$cpus_line; echo \"\$CPUS\"")
[ "$cpus" = "$(nproc)" ] || fail "the documented line sized a task to $cpus CPUs on a node of $(nproc)"
say "submitted array job $job: $shards tasks of $cpus CPUs (the node's) over $inputs inputs"

# The first task found part way (its journal started, most of its rows still
# to come: runs take milliseconds, and the journal takes their rows some at a
# time) is cancelled.
per_shard=$((inputs / shards))
cancelled=""
for _ in $(seq 6000); do
  for k in $(seq 1 $shards); do
    n=$(rows_in "summary/shard-$k-of-$shards.jsonl")
    if [ -f "summary/shard-$k-of-$shards.jsonl" ] && [ "$n" -lt $((per_shard - 2)) ]; then
      scancel "${job}_$k"
      cancelled=$k
      break 2
    fi
  done
  sleep 0.02
done
[ -n "$cancelled" ] || fail "no task was caught part way"
say "cancelled task $cancelled with $n of its $per_shard rows in its journal"
for _ in $(seq 1200); do [ -z "$(squeue -h -j "$job" 2>/dev/null)" ] && break; sleep 0.1; done
[ -z "$(squeue -h -j "$job")" ] || fail "job $job did not end"
journal=summary/shard-$cancelled-of-$shards.jsonl
while IFS= read -r line; do
  [[ $line == \{*\} ]] || fail "the cancelled task's journal holds a line that is not whole: $line"
done <"$journal"
done_before=$(grep -c '"status":"ok"' "$journal" || true)
grep -q "stopped by SIGTERM" "logs/tarvex-${job}-$cancelled.out" ||
  fail "the cancelled task did not stop on SIGTERM: $(cat "logs/tarvex-${job}-$cancelled.out")"
[ "$done_before" -lt $per_shard ] || fail "the cancelled task had finished anyway"
no_work_folders "the cancelled task"
say "its journal: $(rows_in "$journal") whole rows, $done_before ok; no work folder left"

resubmitted=$(bash -c "${resubmit_line//TASK/$cancelled}")
job2=$(grep -o '[0-9]\+' <<<"$resubmitted" | tail -1)
for _ in $(seq 1200); do [ -z "$(squeue -h -j "$job2" 2>/dev/null)" ] && break; sleep 0.1; done
grep -q "$((per_shard - done_before)) to run, $done_before kept" "logs/tarvex-${job2}-$cancelled.out" ||
  fail "the resubmitted task did not run just the rest: $(cat "logs/tarvex-${job2}-$cancelled.out")"
say "resubmitted task $cancelled as job $job2: ran $((per_shard - done_before)), kept $done_before"
join_as_documented "$join_line" 1 "Slurm"
check_joined portfolio.jsonl "Slurm, joined summary"
grep -q "^  $cluster/in1.inp and $cluster/in60.inp: certificate [0-9-]*, recommendations report " join.out ||
  fail "the join did not name the planted pair: $(cat join.out)"
[ "$(grep -c '"attention":"[^"]*shared reference number"' portfolio.jsonl)" -eq 2 ] ||
  fail "the planted pair's rows do not say so"
for k in $(seq 1 $shards); do
  grep -q "shared" "summary/shard-$k-of-$shards.csv" && fail "shard $k saw a shared number on its own"
done
say "Slurm, join: the building planted in shards 1 and 3 named, status 1"
no_work_folders "Slurm"

# --- GNU parallel -------------------------------------------------------------------
# A shard is caught once its journal is started and before most of its
# rows are in: runs take milliseconds, and the journal takes their rows
# some at a time, so the first may come with several others. A shard that
# ends before the signal reaches it is no fault of the project's: the step
# is tried again on a fresh portfolio, a few times.
for attempt in 1 2 3 4 5; do
  spread=$work/parallel-portfolio-$attempt
  portfolio "$spread"
  cd "$spread"
  echo ":" >hosts.txt
  bash -c "$parallel_shards" >parallel.out 2>&1 &
  runner=$!
  stopped=""
  for _ in $(seq 6000); do
    kill -0 "$runner" 2>/dev/null || break
    for k in $(seq 1 $shards); do
      n=$(rows_in "summary/shard-$k-of-$shards.jsonl")
      if [ -f "summary/shard-$k-of-$shards.jsonl" ] && [ "$n" -lt $((per_shard - 2)) ]; then
        # The shard's tarvex-batch, started by this check's parallel: the one
        # process whose command line names this shard's summary in this folder.
        pid=$(ps -eo pid=,args= | awk -v s="--summary summary/shard-$k-of-$shards " \
          'index($0, "tarvex-batch") && index($0, s) && !index($0, "sh -c") { print $1; exit }')
        # It may end between the look and the signal: then it was not caught.
        if [ -n "$pid" ] && [ "$(readlink "/proc/$pid/cwd")" = "$spread" ] &&
          kill -TERM "$pid" 2>/dev/null; then
          stopped=$k
          break 2
        fi
      fi
    done
    sleep 0.02
  done
  wait "$runner" || true
  done_before=0
  if [ -n "$stopped" ]; then
    done_before=$(grep -c '"status":"ok"' "summary/shard-$stopped-of-$shards.jsonl" || true)
    [ "$done_before" -lt $per_shard ] && break
  fi
  say "parallel: no shard caught part way (attempt $attempt); again on a fresh portfolio"
  stopped=""
done
[ -n "$stopped" ] || fail "no parallel shard was caught part way in five attempts"
say "parallel: stopped shard $stopped by SIGTERM with $done_before of its $per_shard done"
bash -c "$parallel_shards" >parallel-again.out 2>&1 || true
grep -q "$((per_shard - done_before)) to run, $done_before kept" parallel-again.out ||
  fail "run again, the stopped shard did not run just the rest: $(cat parallel-again.out)"
join_as_documented "$parallel_join" 0 "GNU parallel by shard"
check_joined portfolio.jsonl "GNU parallel by shard, run again, joined summary"
no_work_folders "GNU parallel by shard"

single=$work/parallel-inputs
portfolio "$single"
cd "$single"
echo ":" >hosts.txt
# One input named as hostile names are, to show they pass through.
mv -- "in1.inp" "-in 1 \"quoted\".inp"
bash -c "$parallel_inputs" >parallel.out 2>&1 || fail "the per-input line failed: $(tail -5 parallel.out)"
left=$(find . -maxdepth 1 -type f \( -name '*.jsonl' -o -name '*summary*' -o -name '*-totals.csv' \))
[ -z "$left" ] || fail "the per-input line left files beside the inputs: $left"
join_as_documented "$inputs_join" 0 "GNU parallel by input"
check_joined portfolio.jsonl "GNU parallel by input, joined summaries"
no_work_folders "GNU parallel by input"

say "all checks held in $(($(date +%s) - started)) s"
