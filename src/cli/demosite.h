#pragma once

#include "builder/website.h"

namespace quillsite {

// The "Home" page of the demonstration site built when no page is given.
SitePage demoHomePage();

} // namespace quillsite
