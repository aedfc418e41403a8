#!/usr/bin/env bash
# Configures and builds into build/ (or $TARVEX_BUILD_DIR). Arguments, when
# given, are the only targets built (run-example.sh builds the program and its
# tools, not the tests); without them everything is built. Extra CMake options
# may be given in $TARVEX_CMAKE_OPTIONS (CI turns warnings into errors).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVEX_BUILD_DIR:-$root/build}
# shellcheck disable=SC2086
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
  ${TARVEX_CMAKE_OPTIONS:-} >/dev/null
if [ $# -gt 0 ]; then
  cmake --build "$build" -j "$(nproc)" --target "$@"
else
  cmake --build "$build" -j "$(nproc)"
fi
