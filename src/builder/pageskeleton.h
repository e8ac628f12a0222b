// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/website.h"
#include "library/legacytext.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace quillsite {

// One page ready to write: its bytes in order, as pieces that point into the
// skeleton it came from and into the page's own encoded name and body, so
// that no page is ever copied whole. Lives no longer than that skeleton.
class PageBytes final {
public:
    PageBytes(PageBytes &&) = default;
    PageBytes &operator=(PageBytes &&) = default;

    const QList<QByteArrayView> &pieces() const { return m_pieces; }
    QByteArray joined() const;

private:
    friend class PageSkeleton;
    PageBytes() = default;

    QByteArray m_name;
    QByteArray m_content;
    QByteArray m_whole; // the page filled the plain way, when the cut pieces can't be used
    QList<QByteArrayView> m_pieces;
};

// The page skeleton with title, author and menu filled in, which is the same
// for every page, ready to write one page after another: "<!--PageName-->"
// and then "<!--PageContent-->" are replaced for each page. Title, author and
// page name are text, written as markupOfText says; the body is markup.
//
// The filled skeleton is held once, encoded: a large site's menu makes up
// most of it. Both encodings write every ASCII character as its own byte and
// no other character as a byte a placeholder holds, so the placeholders are
// found in the bytes exactly where they stand in the text.
class PageSkeleton final {
public:
    // The menu is made of `menuFragment` and `pages` as appendMenu says, as a
    // rule right in its place in the skeleton, so that it is not held twice.
    PageSkeleton(const QString &skeleton, const QString &title, const QString &author,
                 const QString &menuFragment, const QList<SitePage> &pages, TextEncoding encoding);
    // The runs point into m_filled.
    PageSkeleton(const PageSkeleton &) = delete;
    PageSkeleton &operator=(const PageSkeleton &) = delete;

    PageBytes page(const QString &pageName, const QString &body) const;

    // The page's bytes in one array. Meant for tests and small pages.
    QByteArray pageBytes(const QString &pageName, const QString &body) const {
        return page(pageName, body).joined();
    }

    // About how many bytes a page of this name and body takes.
    qint64 estimatedPageSize(const QString &pageName, const QString &body) const;

private:
    // The filled skeleton cut at each "<!--PageName-->": literal runs between
    // the page's name, each run cut again at each "<!--PageContent-->".
    struct Run {
        QByteArrayView text;        // the run, within m_filled
        QList<QByteArrayView> cuts; // the text between content placeholders
    };

    bool nameJoinsPlaceholder(QByteArrayView pageName) const;

    QByteArray m_filled;
    TextEncoding m_encoding;
    QList<Run> m_runs;
    qint64 m_literalBytes = 0;
    qsizetype m_contentCount = 0;
    qsizetype m_pieceCount = 0; // of every page made from the cut pieces
    bool m_runsApart = true;
};

} // namespace quillsite
