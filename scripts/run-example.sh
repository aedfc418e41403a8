#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program on the bundled examples.
# The examples are copied into build/example-run/ first, so that the outputs
# written beside each input do not land in the source tree.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
# Only the program and its tools: the tests and benchmarks are built by
# run-tests.sh, in the same build folder, when they are wanted.
bash "$root/scripts/build.sh" tarvex tarvex-protect tarvex-inpkey
build=${TARVEX_BUILD_DIR:-$root/build}
out="$build/example-run"
rm -rf "$out"
mkdir -p "$out"
cp "$root"/examples/*.inp "$root"/examples/*_inpkey.txt "$out"/
cd "$out"
status=0
for input in england-office.inp ni-shop.inp scotland-school.inp wales-library.inp; do
  echo "== tarvex /F $input"
  if "$build/app/tarvex" /F "$input" > "${input%.inp}.console.txt"; then
    tail -n 3 "${input%.inp}.console.txt"
  else
    echo "   ended with status $? (see $out/${input%.inp}.console.txt)"
    status=1
  fi
done
echo
echo "Outputs are in $out:"
ls -1 "$out" | grep -v '\.inp$\|_inpkey\.txt$\|\.console\.txt$' | sed 's/^/  /'
exit $status
