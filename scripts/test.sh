#!/usr/bin/env bash
# Sets up, builds and runs every test. Pass ctest options through, e.g. -L unit.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
source scripts/preset.sh
ctest --preset "$preset" "$@"
