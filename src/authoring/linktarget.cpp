// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/linktarget.h"

#include "builder/pagenames.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(LinkTarget)
};

LinkAddress problem(const QString &text) {
    return {QString(), text};
}

LinkAddress webAddress(const QString &typed) {
    static const QRegularExpression webScheme(u"^(https?|ftp)://"_s,
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression anyScheme(u"^[a-z][a-z0-9+.-]*:(?!\\d)"_s,
                                              QRegularExpression::CaseInsensitiveOption);
    if (typed.isEmpty())
        return problem(
            Texts::tr("Type the web address the link leads to, such as example.org/page."));
    QString text = typed;
    if (text.startsWith(u"//"_s))
        text.prepend(u"https:"_s);
    else if (!webScheme.match(text).hasMatch()) {
        if (anyScheme.match(text).hasMatch())
            return problem(Texts::tr("A web address begins with https:// or http://, or with the "
                                     "site's name, such as example.org/page."));
        text.prepend(u"https://"_s);
    }
    const QUrl url(text, QUrl::TolerantMode);
    if (!url.isValid() || url.host().isEmpty() || !url.host().contains(u'.'))
        return problem(Texts::tr("\"%1\" is not a web address. Type one such as example.org/page.")
                           .arg(typed));
    return {url.toString(QUrl::FullyEncoded), QString()};
}

LinkAddress emailAddress(const QString &typed) {
    static const QRegularExpression mailbox(u"^[^@\\s/?#]+@[^@\\s/?#]+\\.[^@\\s/?#]+$"_s);
    QString text = typed;
    if (text.startsWith(u"mailto:"_s, Qt::CaseInsensitive))
        text = text.mid(7);
    if (!mailbox.match(text).hasMatch())
        return problem(Texts::tr("Type an e-mail address such as ann@example.org."));
    QUrl url;
    url.setScheme(u"mailto"_s);
    url.setPath(text);
    return {url.toString(QUrl::FullyEncoded), QString()};
}

LinkAddress fileAddress(const QString &path) {
    if (path.isEmpty())
        return problem(Texts::tr("Choose the file the link leads to with Browse."));
    const QFileInfo file(path);
    if (file.isRelative())
        return problem(Texts::tr("Give the file's full path, beginning with /, or choose it with "
                                 "Browse."));
    if (!file.isFile())
        return problem(
            Texts::tr("There is no file \"%1\". Choose the file with Browse.").arg(path));
    return {QUrl::fromLocalFile(file.absoluteFilePath()).toString(QUrl::FullyEncoded), QString()};
}

} // namespace

LinkAddress linkAddressOf(const LinkTarget &target) {
    const QString text = target.text.trimmed();
    switch (target.kind) {
    case LinkKind::Page:
        if (text.isEmpty())
            return problem(Texts::tr("Choose the page the link leads to."));
        return {pageLink(text), QString()};
    case LinkKind::Web:
        return webAddress(text);
    case LinkKind::Email:
        return emailAddress(text);
    case LinkKind::File:
        return fileAddress(text);
    }
    return {};
}

LinkTarget linkTargetOf(const QString &address, const QStringList &pageNames) {
    for (const QString &name : pageNames) {
        if (pageLink(name) == address)
            return {LinkKind::Page, name};
    }
    const QUrl url(address);
    if (url.scheme() == u"mailto"_s)
        return {LinkKind::Email, url.path()};
    if (url.isLocalFile())
        return {LinkKind::File, url.toLocalFile()};
    return {LinkKind::Web, address};
}

} // namespace quillsite
