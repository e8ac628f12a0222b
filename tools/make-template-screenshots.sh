#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quillsite Team
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the pictures the template chooser shows for every bundled template,
# screen_thumb.jpg (80 x 80) and screen_full.jpg (190 x 190), from a real site
# built with quillsite-build from the demonstration pages in tools/demo-site,
# shot in headless Chromium and scaled down with ImageMagick.
#
#   tools/make-template-screenshots.sh [--review DIR] [BUILD_DIR]
#
# BUILD_DIR is a build folder holding bin/quillsite-build (default: build).
# With --review, full-size shots at desktop and phone width are kept in DIR,
# to look at a template's design while working on it.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
review=""
if [ "${1:-}" = "--review" ]; then
    review="$(mkdir -p "$2" && cd "$2" && pwd)"
    shift 2
fi
build="${1:-$root/build}"
builder="$build/bin/quillsite-build"

for tool in chromium convert; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/setup.sh" >&2; exit 1; }
done
[ -x "$builder" ] || { echo "$builder is missing: build the target quillsite-build first" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# shoot URL WIDTH HEIGHT PNG: a picture of the page as a browser window shows it.
shoot() {
    local profile
    profile="$(mktemp -d "$work/profile.XXXXXX")"
    chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$profile" --hide-scrollbars --window-size="$2,$3" \
        --screenshot="$4" "$1" >/dev/null 2>&1
    [ -s "$4" ] || { echo "Chromium made no picture of $1" >&2; exit 1; }
}

demo="$root/tools/demo-site"
for template in "$root"/share/templates/*/; do
    template="${template%/}"
    name="$(basename "$template")"
    site="$work/$name"
    "$builder" --out "$site" --template "$template" \
        --title "Notes from the Garden" --author "Ada Lindqvist" \
        --page "Home=$demo/Home.htm" --page "About Me=$demo/About Me.htm" \
        --page "Journal=$demo/Journal.htm" --page "Contact=$demo/Contact.htm" >/dev/null

    # Square windows of desktop width, so that the scaled pictures show the
    # whole design: header, menu and the start of the content. The thumbnail
    # comes from a narrower window, whose larger type survives the scaling.
    shoot "file://$site/index.htm" 960 960 "$work/$name-full.png"
    convert "$work/$name-full.png" -resize 190x190 -strip -quality 90 "$template/screen_full.jpg"
    shoot "file://$site/index.htm" 800 800 "$work/$name-thumb.png"
    convert "$work/$name-thumb.png" -resize 80x80 -strip -quality 92 "$template/screen_thumb.jpg"
    echo "$name: screen_full.jpg and screen_thumb.jpg"

    if [ -n "$review" ]; then
        shoot "file://$site/index.htm" 1280 1000 "$review/$name-desktop.png"
        shoot "file://$site/about%20me.htm" 375 812 "$review/$name-phone.png"
    fi
done
