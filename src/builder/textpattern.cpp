// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/textpattern.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillsite {

QString placeholder(Field field) {
    switch (field) {
    case Field::Title:
        return u"<!--Title-->"_s;
    case Field::Author:
        return u"<!--Author-->"_s;
    case Field::MenuItems:
        return u"<!--MenuItems-->"_s;
    case Field::PageName:
        return u"<!--PageName-->"_s;
    case Field::PageContent:
        return u"<!--PageContent-->"_s;
    case Field::ItemName:
        return u"<!--ItemName-->"_s;
    case Field::ItemPath:
        return u"<!--ItemPath-->"_s;
    }
    return {};
}

TextPattern::TextPattern(const QString &text, std::initializer_list<Field> fields) {
    qsizetype from = 0;
    while (from < text.size()) {
        // The placeholder that comes first from here, if any.
        qsizetype nearest = text.size();
        std::optional<Field> found;
        for (Field field : fields) {
            const qsizetype at = text.indexOf(placeholder(field), from);
            if (at >= 0 && at < nearest) {
                nearest = at;
                found = field;
            }
        }
        if (nearest > from) {
            m_pieces.append({text.sliced(from, nearest - from), {}});
            m_literalSize += nearest - from;
        }
        if (!found)
            break;
        m_pieces.append({{}, found});
        from = nearest + placeholder(*found).size();
    }
}

bool TextPattern::match(QStringView text, qsizetype from, FieldValues &values,
                        const Rest &rest) const {
    return matchPiece(text, from, 0, values, rest);
}

bool TextPattern::matchPiece(QStringView text, qsizetype at, qsizetype piece, FieldValues &values,
                             const Rest &rest) const {
    if (piece == m_pieces.size())
        return rest(at, values);
    const Piece &current = m_pieces[piece];
    if (!current.field) {
        return text.sliced(at).startsWith(current.literal) &&
               matchPiece(text, at + current.literal.size(), piece + 1, values, rest);
    }
    if (const std::optional<QStringView> known = values[int(*current.field)]) {
        return text.sliced(at).startsWith(*known) &&
               matchPiece(text, at + known->size(), piece + 1, values, rest);
    }
    return matchUnknown(text, at, piece, values, rest);
}

// Tries every value the field at `piece` can take here: up to each place
// where the text after it in the template stands, or up to any place when
// another field or the end follows. The places are found one at a time, as
// the first that fits is nearly always taken: a menu of many entries is read
// in time that grows with its length, not with its square.
bool TextPattern::matchUnknown(QStringView text, qsizetype at, qsizetype piece, FieldValues &values,
                               const Rest &rest) const {
    const Field field = *m_pieces[piece].field;
    std::optional<QStringView> &value = values[int(field)];
    const auto fitsUpTo = [&](qsizetype end) {
        value = text.sliced(at, end - at);
        return matchPiece(text, end, piece + 1, values, rest);
    };
    // The content is the one value that may well hold the template's own
    // text, so the template's text after it is taken where it last stands.
    const bool lastFirst = field == Field::PageContent;
    if (piece + 1 < m_pieces.size() && !m_pieces[piece + 1].field) {
        const QString &next = m_pieces[piece + 1].literal;
        const auto following = [&](qsizetype end) {
            if (!lastFirst)
                return text.indexOf(next, end + 1);
            return end > at ? text.lastIndexOf(next, end - 1) : -1;
        };
        for (qsizetype end = lastFirst ? text.lastIndexOf(next) : text.indexOf(next, at); end >= at;
             end = following(end)) {
            if (fitsUpTo(end))
                return true;
        }
    } else {
        for (qsizetype i = 0; i <= text.size() - at; ++i) {
            if (fitsUpTo(lastFirst ? text.size() - i : at + i))
                return true;
        }
    }
    value.reset();
    return false;
}

qsizetype TextPattern::firstPiece(Field field) const {
    for (qsizetype i = 0; i < m_pieces.size(); ++i) {
        if (m_pieces[i].field == field)
            return i;
    }
    return -1;
}

QStringView TextPattern::textBefore(Field field) const {
    const qsizetype piece = firstPiece(field);
    if (piece <= 0 || m_pieces[piece - 1].field)
        return {};
    return m_pieces[piece - 1].literal;
}

QStringView TextPattern::textAfter(Field field) const {
    const qsizetype piece = firstPiece(field);
    if (piece < 0 || piece + 1 >= m_pieces.size() || m_pieces[piece + 1].field)
        return {};
    return m_pieces[piece + 1].literal;
}

QStringView TextPattern::leadingText() const {
    if (m_pieces.isEmpty() || m_pieces.constFirst().field)
        return {};
    return m_pieces.constFirst().literal;
}

} // namespace quillsite
