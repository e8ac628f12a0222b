#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quillsite Team
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets up, builds and starts the Quillsite wizard.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display to show the wizard on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "Start it on a virtual display instead:  xvfb-run -a build/bin/quillsite" >&2
    exit 2
fi
exec build/bin/quillsite "$@"
