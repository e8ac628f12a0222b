// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Taking the body out of any page file given to quillsite-build.

#include "builder/pagebody.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace quillsite;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString html = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const PageBody body = bodyMarkup(html);
    // The body is always a part of the file as it was written.
    if (!html.contains(body.markup))
        std::abort();
    return 0;
}
