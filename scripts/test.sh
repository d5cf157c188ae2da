#!/usr/bin/env bash
# Sets everything up and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure "$@"
