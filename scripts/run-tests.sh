#!/usr/bin/env bash
# Installs what is missing, builds from the source tree and runs the whole test suite.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"
build=${TARVEX_BUILD_DIR:-$root/build}
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
