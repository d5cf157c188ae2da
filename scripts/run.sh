#!/usr/bin/env bash
# Sets everything up and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec ./build/CRMProject "$@"
