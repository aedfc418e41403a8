#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) into build-fuzz/ and runs each target in turn
# for MINUTES minutes (default 1), starting from its seed corpus in
# fuzz/corpus/<target>/. New inputs found go to build-fuzz/corpus/<target>/; a
# crash stops that target and leaves its reproducer in fuzz/crashes/<target>/,
# where every ordinary build replays it as a test once the fault is fixed.
#
#   scripts/fuzz.sh [MINUTES] [TARGET...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
minutes=${1:-1}
shift || true
build=${TARVEX_FUZZ_BUILD_DIR:-$root/build-fuzz}
command -v clang++-14 >/dev/null || {
  echo "clang++-14 is missing: apt-get install clang-14 libclang-rt-14-dev" >&2
  exit 1
}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DTARVEX_FUZZ=ON -DTARVEX_BUILD_TESTS=OFF -DTARVEX_BUILD_BENCH=OFF >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=($(cd "$root/fuzz/corpus" && ls))
fi
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz-}"
status=0
for t in "${targets[@]}"; do
  echo "== fuzz-$t for $minutes minute(s)"
  mkdir -p "$build/corpus/$t" "$root/fuzz/crashes/$t"
  # The work files of the entries go to a folder of their own, in memory
  # where there is one: the readers' reports are written, and synced, often.
  work=$(mktemp -d -p "$( [ -d /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")")
  if ! TMPDIR="$work" "$build/fuzz/fuzz-$t" -max_total_time=$((minutes * 60)) \
      -rss_limit_mb=4096 -max_len=65536 -timeout=1 -print_final_stats=1 \
      -artifact_prefix="$root/fuzz/crashes/$t/" \
      "$build/corpus/$t" "$root/fuzz/corpus/$t" 2>"$build/fuzz-$t.log"; then
    echo "   fuzz-$t found a fault: see $build/fuzz-$t.log and fuzz/crashes/$t/" >&2
    status=1
  fi
  grep -E '^stat::(number_of_executed_units|new_units_added)|^#[0-9]+.*DONE' "$build/fuzz-$t.log" | sed 's/^/   /' || true
  rm -rf "$work"
done
exit $status
