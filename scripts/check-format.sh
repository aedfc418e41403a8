#!/usr/bin/env bash
# Fails when a C++ file of the repository is not formatted as .clang-format
# says. Pinned to clang-format 14 (Debian 12): another version formats some
# constructs differently.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
formatter=clang-format-14
command -v "$formatter" >/dev/null || { echo "$formatter is not installed (scripts/install-deps.sh)" >&2; exit 1; }
if ! git ls-files '*.cpp' '*.h' | xargs "$formatter" --dry-run -Werror 2>/tmp/tarvex-format.$$; then
  grep -oE '^[^ :]+\.(cpp|h):[0-9]+:[0-9]+: error' /tmp/tarvex-format.$$ | cut -d: -f1 | sort -u | sed 's/^/not formatted: /' >&2
  echo "Format them with: $formatter -i FILES" >&2
  rm -f /tmp/tarvex-format.$$
  exit 1
fi
rm -f /tmp/tarvex-format.$$
echo "Formatting: every C++ file is formatted."
