// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/templatelisting.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

QString templateBlock(const TemplateInfo &info) {
    const TemplateDetails details = readTemplateDetails(info.folder);
    const QString folder = visibleText(QFileInfo(info.folder).fileName());
    const QString name = visibleText(info.name);
    QStringList lines{name.isEmpty()
                          ? QCoreApplication::translate("CommandLine", "(no name) [%1]").arg(folder)
                          : u"%1 [%2]"_s.arg(name, folder)};
    QStringList credit;
    if (!details.author.isEmpty())
        credit.append(
            QCoreApplication::translate("CommandLine", "by %1").arg(visibleText(details.author)));
    if (!details.url.isEmpty())
        credit.append(visibleText(details.url));
    if (!credit.isEmpty())
        lines.append(u"    "_s + credit.join(u", "_s));
    if (!details.description.isEmpty())
        lines.append(u"    "_s + visibleText(details.description));
    return lines.join(u'\n') + u'\n';
}

} // namespace

QString visibleText(const QString &text) {
    QString shown;
    shown.reserve(text.size());
    for (QChar ch : text) {
        if (ch.category() != QChar::Other_Control)
            shown += ch;
        else if (ch.unicode() < 0x80)
            shown += u"\\x"_s + QString::number(ch.unicode(), 16).rightJustified(2, u'0');
        else
            shown += u"\\u"_s + QString::number(ch.unicode(), 16).rightJustified(4, u'0');
    }
    return shown;
}

QString templateListing(const QList<TemplateInfo> &templates) {
    QStringList blocks;
    for (const TemplateInfo &info : templates)
        blocks.append(templateBlock(info));
    return blocks.join(u'\n');
}

} // namespace quillsite
