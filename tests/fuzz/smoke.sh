#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quillsite Team
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the fuzz targets with the "fuzz" preset and runs each briefly over its
# seed corpus and new inputs; fails on the first crash or sanitizer report.
# Usage: smoke.sh SOURCE_DIR TARGET...
set -euo pipefail
cd "$1"
shift
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzzers
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in "$@"; do
    name=${target#fuzz_}
    mkdir "$work/$name"
    # New inputs go to the scratch folder, never into the seed corpus.
    build-fuzz/bin/"$target" -runs=20000 -max_total_time=30 -max_len=4096 \
        -artifact_prefix="$work/" "$work/$name" "tests/fuzz/corpus/$name"
done
