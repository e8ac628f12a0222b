#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quillsite Team
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package into build/package/ and checks it with lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
rm -f build/package/*.deb
cpack --config build/CPackConfig.cmake -B build/package
package=$(ls build/package/*.deb)
# lintian's exit status is 0 unless it found an error.
lintian --info "$package"
echo "Built $package"
