#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program on a bundled example.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"
build=${TARVEX_BUILD_DIR:-$root/build}
"$build/app/tarvex" /? || true
echo
echo "The program is at $build/app/tarvex; it cannot rate a building yet, so this shows its help."
