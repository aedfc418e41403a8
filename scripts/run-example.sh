#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program on the bundled examples.
# The examples are copied into build/example-run/ first, so that the outputs
# written beside each input do not land in the source tree. Then the register
# modes: /V checks the seal of the lodgement message that wales-library wrote,
# and /A runs the input carried by the IAS package that ni-shop wrote.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
# Only the program and its tools: the tests and benchmarks are built by
# run-tests.sh, in the same build folder, when they are wanted.
bash "$root/scripts/build.sh" tarvex tarvex-batch tarvex-protect tarvex-inpkey
build=${TARVEX_BUILD_DIR:-$root/build}
out="$build/example-run"
rm -rf "$out"
mkdir -p "$out"
cp "$root"/examples/*.inp "$root"/examples/*_inpkey.txt "$out"/
cd "$out"
status=0

# Runs the program with the arguments given; its console goes to LOG, and the
# last lines of it are shown. The error stream is shown as it comes.
run() {
  local log=$1
  shift
  echo "== tarvex $*"
  if "$build/app/tarvex" "$@" > "$log"; then
    tail -n 3 "$log"
  else
    local code=$?
    tail -n 3 "$log"
    echo "   ended with status $code (see $PWD/$log)"
    return 1
  fi
}

for input in england-office.inp ni-shop.inp scotland-school.inp wales-library.inp; do
  run "${input%.inp}.console.txt" /F "$input" || status=1
done

# The lodgement message is named by the certificate's reference number.
echo
message=$(ls -1 ./*.xml 2>/dev/null | head -n 1 || true)
if [ -n "$message" ]; then
  message=${message#./}
  echo "== tarvex /V $message"
  # /V always ends with status 1: its text says whether the seal holds.
  "$build/app/tarvex" /V "$message" > verify.console.txt || true
  grep -E '^  (Validation OK|XML file has not been validated)' verify.console.txt ||
    { echo "   no answer from /V (see $out/verify.console.txt)"; status=1; }
  grep -q '^  Validation OK' verify.console.txt || status=1
else
  echo "no lodgement message was written"
  status=1
fi

# /A writes the input the package carries beside it and runs it: in a folder
# of its own, so that its outputs do not replace those of the first run.
echo
# The key file comes too, as the engine left it beside the input, so that the
# input taken out of the package validates.
mkdir -p from-package
cp ni-shop.ias ni-shop_inpkey.txt from-package/
(cd from-package && run ../ni-shop-package.console.txt /A ni-shop.ias) || status=1

echo
echo "Outputs are in $out:"
ls -1 "$out" | grep -v '\.inp$\|_inpkey\.txt$\|\.console\.txt$\|^from-package$' | sed 's/^/  /'
echo "  from-package/:"
ls -1 "$out/from-package" | grep -v '_inpkey\.txt$' | sed 's/^/    /'
exit $status
