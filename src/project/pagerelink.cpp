// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/pagerelink.h"

#include "builder/pageaddresses.h"
#include "builder/pagelinks.h"

#include <QUrl>

namespace quillsite {

QString relinkPage(const QString &body, const QString &oldFile, const QString &newLink,
                   const QSet<QString> &otherFiles) {
    if (!mayHoldAddresses(body) || holdsOnlyPlainLinks(body, otherFiles))
        return body;
    const QByteArray utf8 = body.toUtf8();
    QList<BodyEdit> edits;
    for (const PageAddress &address : findPageAddresses(utf8)) {
        if (address.kind != PageAddress::Kind::Link || linkedPageFile(address.value) != oldFile)
            continue;
        const QUrl old(address.value);
        QString link = newLink;
        if (old.hasQuery())
            link += u'?' + old.query(QUrl::FullyEncoded);
        if (old.hasFragment())
            link += u'#' + old.fragment(QUrl::FullyEncoded);
        edits.append(
            {address.valueStart, address.valueEnd, '"' + link.toHtmlEscaped().toUtf8() + '"'});
    }
    return edits.isEmpty() ? body : QString::fromUtf8(applyBodyEdits(utf8, edits));
}

} // namespace quillsite
