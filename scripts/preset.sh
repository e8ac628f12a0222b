# SPDX-FileCopyrightText: 2026 The Quillsite Team
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the build and test scripts: continuous integration (CI=true)
# builds with warnings as errors.
if [ "${CI:-}" = true ]; then preset=ci; else preset=default; fi
