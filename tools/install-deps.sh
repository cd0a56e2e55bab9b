#!/usr/bin/env bash
# Installs what building and testing Quillbox needs on Debian 12, as far as it
# is missing.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config googletest libgtest-dev
          qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl1-mesa-dev
          fonts-dejavu-core xvfb xauth python3 srecord)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
