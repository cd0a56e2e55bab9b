#!/usr/bin/env bash
# Installs what building, testing and running Quillbox needs on Debian 12, as
# far as it is missing. Recommends are left out, so every package the build
# or the program uses must be named here or be pulled in by one named here;
# tools/check-deps.sh proves that for a configured build. The fuzz build
# (tools/run-fuzz.sh) takes clang, its libFuzzer and sanitizer runtimes
# (libclang-rt, only recommended by clang) and the LLVM archiver and linker
# that CMake picks for clang.
#   --list   print the packages and install nothing
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config googletest libgtest-dev
          qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
          libqt6opengl6-dev libgl1-mesa-dev
          qt6-translations-l10n
          fonts-dejavu-core xvfb xauth python3 srecord imagemagick bzip2-doc
          dpkg-dev file gzip lintian desktop-file-utils clang-format
          clang libclang-rt-14-dev llvm lld)
if [ "${1:-}" = "--list" ]; then
    printf '%s\n' "${packages[@]}"
    exit 0
fi
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
