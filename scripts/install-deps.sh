#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and checking need,
# but only those that are missing.
set -euo pipefail
packages=(build-essential cmake pkg-config libhpdf-dev zlib1g-dev libgtest-dev libgmock-dev
          libbenchmark-dev qpdf poppler-utils fonts-liberation2)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
