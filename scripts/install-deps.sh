#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and checking need,
# but only those that are missing.
set -euo pipefail
packages=(
  build-essential cmake          # the compiler and the build
  libhpdf-dev zlib1g-dev         # libharu for the PDFs, zlib for the packages
  nlohmann-json3-dev             # tarvex-batch reads its journal back with it
  libgtest-dev libgmock-dev      # GoogleTest (its CMake package also names gmock)
  qpdf poppler-utils             # the tests read back the PDFs we write
  libxml2-utils                  # xmllint: the tests check the messages are well-formed
  clang-format-14                # the formatting check, pinned to one version
  clang-tidy-14                  # the checks of .clang-tidy (scripts/tidy.sh)
  fonts-liberation2              # Liberation Sans, embedded in the Welsh certificate for ŵ and ŷ
  chromium                       # the browser test opens the batch's report headless
)
# scripts/scale-out-check.sh runs a Slurm cluster of one node and GNU parallel.
if [ "${TARVEX_SCALE_OUT:-0}" = 1 ]; then
  packages+=(slurm-wlm munge parallel)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Run this script as root to install them: sudo bash $0" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
