// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "builder/markuptext.h"

#include <algorithm>
#include <array>
#include <optional>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

struct NamedReference {
    QStringView name;
    char16_t character;
};

constexpr std::array<NamedReference, 7> namedReferences{{{u"amp", u'&'},
                                                         {u"lt", u'<'},
                                                         {u"gt", u'>'},
                                                         {u"quot", u'"'},
                                                         {u"apos", u'\''},
                                                         {u"nbsp", u'\u00a0'},
                                                         {u"copy", u'\u00a9'}}};

// The character `name` (what stands between "&" and ";") refers to.
std::optional<char32_t> referenced(QStringView name) {
    if (name.startsWith(u'#')) {
        const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
        const QStringView digits = name.sliced(hex ? 2 : 1);
        const auto isDigit = [hex](QChar ch) {
            return (ch >= u'0' && ch <= u'9') ||
                   (hex && ((ch >= u'a' && ch <= u'f') || (ch >= u'A' && ch <= u'F')));
        };
        if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), isDigit))
            return std::nullopt;
        bool ok = false;
        const uint code = digits.toUInt(&ok, hex ? 16 : 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return std::nullopt;
        return char32_t(code);
    }
    for (const NamedReference &reference : namedReferences) {
        if (reference.name == name)
            return reference.character;
    }
    return std::nullopt;
}

} // namespace

QString markupOfText(QStringView text) {
    QString markup;
    markup.reserve(text.size());
    for (QChar ch : text) {
        switch (ch.unicode()) {
        case u'&':
            markup += u"&amp;"_s;
            break;
        case u'<':
            markup += u"&lt;"_s;
            break;
        case u'>':
            markup += u"&gt;"_s;
            break;
        case u'"':
            markup += u"&quot;"_s;
            break;
        default:
            markup += ch;
        }
    }
    return markup;
}

QString textOfMarkup(QStringView markup) {
    // A reference is short; a ";" further away ends something else.
    constexpr qsizetype longestName = 10;
    QString text;
    text.reserve(markup.size());
    qsizetype from = 0;
    for (qsizetype at; (at = markup.indexOf(u'&', from)) >= 0;) {
        text += markup.sliced(from, at - from);
        const qsizetype end = markup.indexOf(u';', at);
        const std::optional<char32_t> character =
            end > at && end - at <= longestName ? referenced(markup.sliced(at + 1, end - at - 1))
                                                : std::nullopt;
        if (character) {
            text += QString::fromUcs4(&*character, 1);
            from = end + 1;
        } else {
            text += u'&';
            from = at + 1;
        }
    }
    text += markup.sliced(from);
    return text;
}

} // namespace quillsite
