// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <functional>
#include <optional>

namespace quillsite {

// The placeholders of a page skeleton and of a menu item fragment.
enum class Field { Title, Author, MenuItems, PageName, PageContent, ItemName, ItemPath };
constexpr int fieldCount = 7;

// The placeholder text of `field` in a template, such as "<!--Title-->".
QString placeholder(Field field);

// What a field stands for in a text being matched, once known.
using FieldValues = std::array<std::optional<QStringView>, fieldCount>;

// A template text cut at its placeholders, to be run backwards: which values
// of the placeholders give a text that was filled in from it.
class TextPattern final {
public:
    // Called when the whole pattern has matched up to `end`, with every field
    // it holds known; false sends the match on to the next way of reading the text.
    using Rest = std::function<bool(qsizetype end, FieldValues &values)>;

    TextPattern(const QString &text, std::initializer_list<Field> fields);

    // Whether `text` from `from` on reads as this pattern filled in, such that
    // `rest` accepts it. A field already in `values` must have that value;
    // the others are found, every occurrence of one with the same value, and
    // stay in `values` when the match succeeds. Shorter values are tried
    // first, but for the page content longer ones.
    bool match(QStringView text, qsizetype from, FieldValues &values, const Rest &rest) const;

    // The template's own text right before and right after the first `field`:
    // where a page edited elsewhere still shows its content. Empty when the
    // field is missing or has no text beside it.
    QStringView textBefore(Field field) const;
    QStringView textAfter(Field field) const;
    // The template's own text before its first field: how every text read
    // from its start as this pattern starts.
    QStringView leadingText() const;

    // How many characters of the template are its own text: the more, the
    // surer a match.
    qsizetype literalSize() const { return m_literalSize; }

private:
    struct Piece {
        QString literal; // when `field` is empty
        std::optional<Field> field;
    };

    bool matchPiece(QStringView text, qsizetype at, qsizetype piece, FieldValues &values,
                    const Rest &rest) const;
    bool matchUnknown(QStringView text, qsizetype at, qsizetype piece, FieldValues &values,
                      const Rest &rest) const;
    qsizetype firstPiece(Field field) const;

    QList<Piece> m_pieces;
    qsizetype m_literalSize = 0;
};

} // namespace quillsite
