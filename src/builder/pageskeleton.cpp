// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/pageskeleton.h"

#include "builder/markuptext.h"
#include "builder/sitemenu.h"
#include "builder/textpattern.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

const QString titleMark = placeholder(Field::Title);
const QString authorMark = placeholder(Field::Author);
const QByteArray menuMark = placeholder(Field::MenuItems).toLatin1();
const QByteArray nameMark = placeholder(Field::PageName).toLatin1();
const QByteArray contentMark = placeholder(Field::PageContent).toLatin1();

// The pieces of `text` between the occurrences of `mark`, in order.
QList<QByteArrayView> split(QByteArrayView text, QByteArrayView mark) {
    QList<QByteArrayView> pieces;
    qsizetype from = 0;
    for (qsizetype at; (at = text.indexOf(mark, from)) >= 0; from = at + mark.size())
        pieces.append(text.sliced(from, at - from));
    pieces.append(text.sliced(from));
    return pieces;
}

// `text` with every "<!--MenuItems-->" replaced by the menu, made in memory
// of its final size: a large menu held apart, or grown by copying, would be
// held about twice for a moment.
QByteArray withMenu(QByteArrayView text, const QString &fragment, const QList<SitePage> &pages,
                    TextEncoding encoding) {
    const QList<QByteArrayView> parts = split(text, menuMark);
    if (parts.size() != 2) {
        // No menu, or more than one copy of it: rare enough to make it apart.
        const QByteArray menu =
            parts.size() > 1 ? buildMenu(fragment, pages, encoding) : QByteArray();
        QByteArray filled;
        filled.reserve(text.size() + (parts.size() - 1) * (menu.size() - menuMark.size()));
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (i > 0)
                filled.append(menu);
            filled.append(parts[i]);
        }
        return filled;
    }
    QByteArray filled;
    filled.reserve(text.size() - menuMark.size() + menuSize(fragment, pages, encoding));
    filled.append(parts[0]);
    appendMenu(filled, fragment, pages, encoding);
    filled.append(parts[1]);
    return filled;
}

} // namespace

PageSkeleton::PageSkeleton(const QString &skeleton, const QString &title, const QString &author,
                           const QString &menuFragment, const QList<SitePage> &pages,
                           TextEncoding encoding)
    : m_filled(withMenu(encodeText(QString(skeleton)
                                       .replace(titleMark, markupOfText(title))
                                       .replace(authorMark, markupOfText(author)),
                                   encoding),
                        menuFragment, pages, encoding))
    , m_encoding(encoding) {
    for (QByteArrayView run : split(m_filled, nameMark)) {
        Run cut{run, split(run, contentMark)};
        for (QByteArrayView piece : cut.cuts)
            m_literalBytes += piece.size();
        m_contentCount += cut.cuts.size() - 1;
        m_pieceCount += 2 * cut.cuts.size() - 1; // the cuts and the content between them
        m_runs.append(std::move(cut));
    }
    m_pieceCount += m_runs.size() - 1; // the names between the runs
    // A run shorter than a placeholder between two names would let a
    // placeholder reach across a whole run, past the edges nameJoinsPlaceholder
    // looks at.
    const qsizetype reach = contentMark.size() - 1;
    for (qsizetype i = 1; i + 1 < m_runs.size(); ++i)
        m_runsApart = m_runsApart && m_runs[i].text.size() >= reach;
}

// Whether a "<!--PageContent-->" would appear only once the name stands in the
// text, within one copy of it or across its edges. Such a page is filled the
// plain way; any other page is made from the pieces cut in advance.
bool PageSkeleton::nameJoinsPlaceholder(QByteArrayView pageName) const {
    // A placeholder touching the name starts or ends inside it, or holds all of it.
    if (!pageName.contains('<') && !pageName.contains('>') && !contentMark.contains(pageName))
        return false;
    if (!m_runsApart)
        return true;
    const qsizetype reach = contentMark.size() - 1;
    for (qsizetype i = 0; i + 1 < m_runs.size(); ++i) {
        const QByteArrayView before = m_runs[i].text;
        const QByteArrayView after = m_runs[i + 1].text;
        QByteArray around = before.last(std::min(reach, before.size())).toByteArray();
        around.append(pageName).append(after.first(std::min(reach, after.size())));
        if (around.contains(contentMark))
            return true;
    }
    return false;
}

QByteArray PageBytes::joined() const {
    QByteArray bytes;
    for (QByteArrayView piece : m_pieces)
        bytes.append(piece);
    return bytes;
}

PageBytes PageSkeleton::page(const QString &pageName, const QString &body) const {
    PageBytes bytes;
    bytes.m_name = encodeText(markupOfText(pageName), m_encoding);
    bytes.m_content = encodeText(body, m_encoding);
    if (nameJoinsPlaceholder(bytes.m_name)) {
        bytes.m_whole = QByteArray(m_filled)
                            .replace(nameMark, bytes.m_name)
                            .replace(contentMark, bytes.m_content);
        bytes.m_pieces.append(bytes.m_whole);
        return bytes;
    }
    bytes.m_pieces.reserve(m_pieceCount);
    for (qsizetype i = 0; i < m_runs.size(); ++i) {
        if (i > 0)
            bytes.m_pieces.append(bytes.m_name);
        const QList<QByteArrayView> &cuts = m_runs[i].cuts;
        for (qsizetype j = 0; j < cuts.size(); ++j) {
            if (j > 0)
                bytes.m_pieces.append(bytes.m_content);
            bytes.m_pieces.append(cuts[j]);
        }
    }
    return bytes;
}

qint64 PageSkeleton::estimatedPageSize(const QString &pageName, const QString &body) const {
    // Bytes per character of the name and body are taken as one: close enough
    // for a progress bar.
    const qsizetype nameCount = std::max<qsizetype>(m_runs.size() - 1, 0);
    return m_literalBytes + nameCount * pageName.size() + m_contentCount * body.size();
}

} // namespace quillsite
