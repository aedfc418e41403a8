#!/usr/bin/env bash
# Configures and builds into build/ (or $TARVEX_BUILD_DIR). Extra CMake options
# may be given in $TARVEX_CMAKE_OPTIONS (CI turns warnings into errors).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARVEX_BUILD_DIR:-$root/build}
# shellcheck disable=SC2086
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${TARVEX_CMAKE_OPTIONS:-} >/dev/null
cmake --build "$build" -j "$(nproc)"
