#!/usr/bin/env bash
# Configures and builds into build/ (or $TARVEX_BUILD_DIR). Arguments, when
# given, are the only targets built (run-example.sh builds the program and its
# tools, not the tests); without them everything is built.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVEX_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ $# -gt 0 ]; then
  cmake --build "$build" -j "$(nproc)" --target "$@"
else
  cmake --build "$build" -j "$(nproc)"
fi
