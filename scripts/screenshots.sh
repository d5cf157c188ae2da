#!/usr/bin/env bash
# Remakes the README's screenshots from the real program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
QT_QPA_PLATFORM=offscreen ./build/crm-screenshots docs
