// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/website.h"

namespace quillsite {

// The "Home" page of the demonstration site built when no page is given.
SitePage demoHomePage();

} // namespace quillsite
