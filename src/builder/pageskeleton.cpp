#include "builder/pageskeleton.h"

#include <QBuffer>
#include <QStringTokenizer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

const QString titleMark = u"<!--Title-->"_s;
const QString authorMark = u"<!--Author-->"_s;
const QString menuMark = u"<!--MenuItems-->"_s;
const QString nameMark = u"<!--PageName-->"_s;
const QString contentMark = u"<!--PageContent-->"_s;

} // namespace

PageSkeleton::PageSkeleton(const QString &skeleton, const QString &title, const QString &author,
                           const QString &menu, TextEncoding encoding)
    : m_filled(QString(skeleton)
                   .replace(titleMark, title)
                   .replace(authorMark, author)
                   .replace(menuMark, menu))
    , m_encoding(encoding) {
    for (QStringView run : QStringTokenizer(m_filled, nameMark)) {
        Run cut{run, {}};
        for (QStringView piece : QStringTokenizer(run, contentMark)) {
            cut.encodedCuts.append(encodeText(piece, encoding));
            m_literalBytes += cut.encodedCuts.last().size();
        }
        m_contentCount += cut.encodedCuts.size() - 1;
        m_runs.append(std::move(cut));
    }
    // A run shorter than a placeholder between two names would let a
    // placeholder reach across a whole run, past the edges nameJoinsPlaceholder
    // looks at.
    const qsizetype reach = contentMark.size() - 1;
    for (qsizetype i = 1; i + 1 < m_runs.size(); ++i)
        m_runsApart = m_runsApart && m_runs[i].text.size() >= reach;
}

// Whether a "<!--PageContent-->" would appear only once the name stands in the
// text, within one copy of it or across its edges. Such a page is filled the
// plain way; any other page is written from the pieces cut in advance.
bool PageSkeleton::nameJoinsPlaceholder(const QString &pageName) const {
    // A placeholder touching the name starts or ends inside it, or holds all of it.
    if (!pageName.contains(u'<') && !pageName.contains(u'>') && !contentMark.contains(pageName))
        return false;
    if (!m_runsApart)
        return true;
    const qsizetype reach = contentMark.size() - 1;
    for (qsizetype i = 0; i + 1 < m_runs.size(); ++i) {
        const QString around =
            m_runs[i].text.right(reach) + pageName + m_runs[i + 1].text.left(reach);
        if (around.contains(contentMark))
            return true;
    }
    return false;
}

QString PageSkeleton::filledPage(const QString &pageName, const QString &body) const {
    return QString(m_filled).replace(nameMark, pageName).replace(contentMark, body);
}

bool PageSkeleton::writePage(QIODevice &out, const QString &pageName, const QString &body) const {
    if (nameJoinsPlaceholder(pageName))
        return out.write(encodeText(filledPage(pageName, body), m_encoding)) >= 0;

    const QByteArray name = encodeText(pageName, m_encoding);
    const QByteArray content = encodeText(body, m_encoding);
    for (qsizetype i = 0; i < m_runs.size(); ++i) {
        if (i > 0 && out.write(name) < 0)
            return false;
        const QList<QByteArray> &cuts = m_runs[i].encodedCuts;
        for (qsizetype j = 0; j < cuts.size(); ++j) {
            if ((j > 0 && out.write(content) < 0) || out.write(cuts[j]) < 0)
                return false;
        }
    }
    return true;
}

QByteArray PageSkeleton::pageBytes(const QString &pageName, const QString &body) const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writePage(buffer, pageName, body);
    return bytes;
}

qint64 PageSkeleton::estimatedPageSize(const QString &pageName, const QString &body) const {
    // Bytes per character of the name and body are taken as one: close enough
    // for a progress bar.
    const qsizetype nameCount = std::max<qsizetype>(m_runs.size() - 1, 0);
    return m_literalBytes + nameCount * pageName.size() + m_contentCount * body.size();
}

} // namespace quillsite
