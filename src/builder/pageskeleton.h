#pragma once

#include "library/legacytext.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>

namespace quillsite {

// The page skeleton with title, author and menu filled in, which is the same
// for every page, ready to write one page after another: "<!--PageName-->"
// and then "<!--PageContent-->" are replaced for each page as it is written.
class PageSkeleton final {
public:
    PageSkeleton(const QString &skeleton, const QString &title, const QString &author,
                 const QString &menu, TextEncoding encoding);
    // The runs point into m_filled.
    PageSkeleton(const PageSkeleton &) = delete;
    PageSkeleton &operator=(const PageSkeleton &) = delete;

    // The page's bytes, as written by writePage. Meant for tests and small pages.
    QByteArray pageBytes(const QString &pageName, const QString &body) const;

    // Writes the page to `out`; false when a write failed.
    bool writePage(QIODevice &out, const QString &pageName, const QString &body) const;

    // About how many bytes a page of this name and body takes.
    qint64 estimatedPageSize(const QString &pageName, const QString &body) const;

private:
    // The filled skeleton cut at each "<!--PageName-->": literal runs between
    // the page's name, each run cut again at each "<!--PageContent-->".
    struct Run {
        QStringView text;              // the run, within m_filled
        QList<QByteArray> encodedCuts; // the encoded text between content placeholders
    };

    bool nameJoinsPlaceholder(const QString &pageName) const;
    QString filledPage(const QString &pageName, const QString &body) const;

    QString m_filled;
    TextEncoding m_encoding;
    QList<Run> m_runs;
    qint64 m_literalBytes = 0;
    qsizetype m_contentCount = 0;
    bool m_runsApart = true;
};

} // namespace quillsite
