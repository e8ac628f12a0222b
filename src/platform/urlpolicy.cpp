// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/urlpolicy.h"

#include <QUrl>

namespace quillsite {

using namespace Qt::StringLiterals;

bool isOpenableWebAddress(const QUrl &url) {
    if (!url.isValid())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == u"http"_s || scheme == u"https"_s)
        return !url.host().isEmpty();
    if (scheme == u"mailto"_s)
        return !url.path().isEmpty();
    return false;
}

} // namespace quillsite
