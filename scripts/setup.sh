#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quillsite Team
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs whatever Debian packages and npm packages Quillsite still lacks.
# Does nothing when everything is there; uses sudo only when not root.
set -euo pipefail
cd "$(dirname "$0")/.."

sudo_if_needed() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
while read -r pkg; do
    [ -z "$pkg" ] && continue
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$pkg")
    fi
done < <(grep -v '^\s*#' scripts/debian-packages.txt)

# Node.js may come from elsewhere than Debian; then Debian's copy is not wanted.
if command -v node >/dev/null && command -v npm >/dev/null; then
    missing=("${missing[@]/nodejs/}")
    missing=("${missing[@]/npm/}")
fi
read -r -a missing <<< "${missing[*]}"

if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_if_needed apt-get update -q
    sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The HTML checker and axe-core used by the tests come from the npm registry.
if [ ! -f node_modules/vnu-jar/build/dist/vnu.jar ] || [ ! -f node_modules/axe-core/axe.min.js ]; then
    npm ci --no-audit --no-fund --loglevel=error
fi
