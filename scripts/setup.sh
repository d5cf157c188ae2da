#!/usr/bin/env bash
# Installs what the build needs from Debian's packages (only what is missing), then configures
# and builds everything into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake qt6-base-dev libqt6sql6-sqlite qt6-translations-l10n libcurl4-openssl-dev
          libsqlite3-dev libgtest-dev fonts-wqy-microhei libgl1-mesa-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
