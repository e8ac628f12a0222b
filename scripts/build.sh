#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quillsite Team
# SPDX-License-Identifier: GPL-3.0-or-later

# Configures and builds Quillsite into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/preset.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
