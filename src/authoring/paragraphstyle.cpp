// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/paragraphstyle.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

struct StyleInfo {
    ParagraphStyle style;
    QString tag;
    const char *name;
    QString shortcut;
};

const StyleInfo Styles[] = {
    {ParagraphStyle::Normal, u"p"_s, QT_TRANSLATE_NOOP("ParagraphStyle", "Normal"), u"Ctrl+0"_s},
    {ParagraphStyle::Heading1, u"h1"_s, QT_TRANSLATE_NOOP("ParagraphStyle", "Heading 1"),
     u"Ctrl+1"_s},
    {ParagraphStyle::Heading2, u"h2"_s, QT_TRANSLATE_NOOP("ParagraphStyle", "Heading 2"),
     u"Ctrl+2"_s},
    {ParagraphStyle::Heading3, u"h3"_s, QT_TRANSLATE_NOOP("ParagraphStyle", "Heading 3"),
     u"Ctrl+3"_s},
    {ParagraphStyle::Quote, u"blockquote"_s, QT_TRANSLATE_NOOP("ParagraphStyle", "Quote"), {}},
};

const StyleInfo &infoOf(ParagraphStyle style) {
    return Styles[static_cast<int>(style)];
}

} // namespace

QString paragraphTag(ParagraphStyle style) {
    return infoOf(style).tag;
}

std::optional<ParagraphStyle> paragraphStyleOfTag(const QString &tag) {
    for (const StyleInfo &info : Styles) {
        if (info.tag == tag)
            return info.style;
    }
    return std::nullopt;
}

QString paragraphStyleName(ParagraphStyle style) {
    return QCoreApplication::translate("ParagraphStyle", infoOf(style).name);
}

QString paragraphStyleShortcut(ParagraphStyle style) {
    return infoOf(style).shortcut;
}

} // namespace quillsite
