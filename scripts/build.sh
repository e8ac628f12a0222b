#!/usr/bin/env bash
# Configures and builds Quillsite into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/preset.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
