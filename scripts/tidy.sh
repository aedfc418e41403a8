#!/usr/bin/env bash
# Runs the checks of .clang-tidy over the program's sources (not the tests),
# with the compile commands of an existing build (build/ or $TARVEX_BUILD_DIR);
# any finding fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVEX_BUILD_DIR:-$root/build}
command -v run-clang-tidy-14 >/dev/null || {
  echo "run-clang-tidy-14 is missing: apt-get install clang-tidy-14" >&2
  exit 1
}
[ -f "$build/compile_commands.json" ] || {
  echo "no $build/compile_commands.json: build first (scripts/build.sh)" >&2
  exit 1
}
run-clang-tidy-14 -p "$build" -quiet -j "$(nproc)" \
  "$root/(app|boc|library|project|reports|pdf|tools)/.*\.cpp$" >"$build/tidy.log" 2>&1 || {
  grep -E "(warning|error):" "$build/tidy.log" >&2 || tail -20 "$build/tidy.log" >&2
  echo "clang-tidy found the faults above (whole report: $build/tidy.log)" >&2
  exit 1
}
echo "clang-tidy: no findings."
