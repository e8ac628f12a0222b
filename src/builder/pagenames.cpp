// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/pagenames.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

// The longest file name the file systems we write to accept, in bytes.
constexpr qsizetype maxFileNameBytes = 255;

bool isControl(QChar ch) {
    return ch.category() == QChar::Other_Control;
}

} // namespace

QString homePageName() {
    return u"Home"_s;
}

QString homePageFile() {
    return u"index.htm"_s;
}

bool isHomePage(const QString &pageName) {
    return pageName == homePageName();
}

QString pageFileName(const QString &pageName) {
    if (isHomePage(pageName))
        return homePageFile();
    // Most names are ASCII, lowered here in one pass: a build asks for each
    // page's file name several times, and Qt's lowering looks every character up.
    constexpr QStringView extension = u".htm";
    QString file(pageName.size() + extension.size(), Qt::Uninitialized);
    QChar *out = file.data();
    for (const QChar ch : pageName) {
        if (ch.unicode() >= 0x80)
            return pageName.toLower() + extension;
        *out++ = ch >= u'A' && ch <= u'Z' ? QChar(ch.unicode() | 0x20) : ch;
    }
    std::copy(extension.begin(), extension.end(), out);
    return file;
}

QString pageNameOfFile(const QString &file) {
    if (file == homePageFile())
        return homePageName();
    return QFileInfo(file).completeBaseName();
}

QString pageLink(const QString &pageName) {
    // Characters that end or break a link, or that the HTML checker refuses
    // in an address, are percent-encoded; letters of any script stay readable.
    // A colon would let a name such as "javascript:..." be read as a scheme,
    // and an ampersand as the start of an entity naming another file.
    static const QString encoded = u" \"#%&'<>?\\^`{|}:"_s;
    QString link = pageFileName(pageName);
    // From the end, so that the positions still to visit stay where they are.
    for (qsizetype i = link.size() - 1; i >= 0; --i) {
        const QChar ch = link[i];
        if (encoded.contains(ch))
            link.replace(
                i, 1, u'%' + QString::number(ch.unicode(), 16).toUpper().rightJustified(2, u'0'));
    }
    return link;
}

QString siteTextProblem(SiteText kind, const QString &text) {
    if (std::none_of(text.cbegin(), text.cend(), isControl))
        return {};
    if (kind == SiteText::Title)
        return QCoreApplication::translate(
            "Builder", "The title contains a control character (such as a tab or a line break), "
                       "which a web page can't show. Type the title without it.");
    return QCoreApplication::translate(
        "Builder", "The author contains a control character (such as a tab or a line break), "
                   "which a web page can't show. Type the author without it.");
}

QString pageNameProblem(const QString &pageName) {
    if (pageName.isEmpty())
        return QCoreApplication::translate("Builder",
                                           "A page must have a name. Type a name for the page.");
    for (QChar separator : {u'/', u'\\'}) {
        if (pageName.contains(separator)) {
            return QCoreApplication::translate("Builder",
                                               "The page name \"%1\" contains \"%2\", which can't "
                                               "be part of a file name. Choose a name without it.")
                .arg(pageName, separator);
        }
    }
    if (std::any_of(pageName.cbegin(), pageName.cend(), isControl)) {
        return QCoreApplication::translate(
            "Builder", "The page name contains a control character (such as a tab or a line "
                       "break), which can't be part of a file name. Choose a name without it.");
    }
    if (pageName == u"." || pageName == u"..")
        return QCoreApplication::translate(
                   "Builder", "\"%1\" can't be used as a page name. Choose another name.")
            .arg(pageName);
    if (pageFileName(pageName).toUtf8().size() > maxFileNameBytes)
        return QCoreApplication::translate(
                   "Builder",
                   "The page name \"%1\" is too long for a file name. Choose a shorter name.")
            .arg(pageName);
    return {};
}

} // namespace quillsite
