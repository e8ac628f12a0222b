// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/wizardflow.h"

#include "builder/pagenames.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translation catalogues.
struct WizardFlow {
    Q_DECLARE_TR_FUNCTIONS(WizardFlow)
};

} // namespace

PageChrome pageChrome(WizardPage page) {
    const QString next = WizardFlow::tr("&Next >");
    switch (page) {
    case WizardPage::Welcome:
        return {false, false, true, next}; // hidden, as designed
    case WizardPage::Finish:
        return {false, true, false, WizardFlow::tr("&Finish")};
    default:
        return {true, true, true, next};
    }
}

std::optional<BannerTexts> bannerTexts(WizardPage page, Direction direction) {
    const bool byNext = direction == Direction::Next;
    switch (page) {
    case WizardPage::SelectTemplate:
        return BannerTexts{
            WizardFlow::tr("Select Template"),
            byNext ? WizardFlow::tr("Please select the prefered look of your website.")
                   : WizardFlow::tr("Please select the prefered look for your website.")};
    case WizardPage::ProvideInformation:
        return BannerTexts{
            WizardFlow::tr("Provide Information"),
            WizardFlow::tr(
                "Please provide the following information required to build your site.")};
    case WizardPage::BuildPages:
        return BannerTexts{
            WizardFlow::tr("Build Pages"),
            byNext
                ? WizardFlow::tr("Create as many webpages as you want, along with their content.")
                : WizardFlow::tr("Create as many webpages as you want along with their content.")};
    case WizardPage::SelectDestination:
        return BannerTexts{
            WizardFlow::tr("Select Destination"),
            WizardFlow::tr("Choose the destination folder where you want to save your website.")};
    case WizardPage::Welcome:
    case WizardPage::Finish:
        break;
    }
    return std::nullopt;
}

std::optional<WizardPage> neighbourPage(WizardPage page, Direction direction) {
    const int index = static_cast<int>(page) + (direction == Direction::Next ? 1 : -1);
    if (index < static_cast<int>(WizardPage::Welcome) ||
        index > static_cast<int>(WizardPage::Finish))
        return std::nullopt;
    return static_cast<WizardPage>(index);
}

QString informationProblem(const QString &title, const QString &author) {
    if (title.isEmpty() || author.isEmpty())
        return WizardFlow::tr("You must provide the required information in order to continue.");
    if (const QString problem = siteTextProblem(SiteText::Title, title); !problem.isEmpty())
        return problem;
    return siteTextProblem(SiteText::Author, author);
}

QString destinationProblem(const QString &destination) {
    if (destination.isEmpty())
        return WizardFlow::tr("You must provide the destination folder.");
    if (!destination.startsWith(u'/'))
        return WizardFlow::tr(
            "The destination path you specified is invalid, please provide full path.");
    return {};
}

QUrl homePageUrl(const QString &destination) {
    static const QRegularExpression doubledSlashes(u"/{2,}"_s);
    QString path = destination + u"/index.htm"_s;
    return QUrl::fromLocalFile(path.replace(doubledSlashes, u"/"_s));
}

QUrl siteFolderUrl(const QString &destination) {
    return QUrl::fromLocalFile(QDir::cleanPath(destination));
}

QString siteFolderMessage(const QString &destination) {
    return WizardFlow::tr("Your website is in the folder \"%1\".")
        .arg(QDir::toNativeSeparators(QDir::cleanPath(destination)));
}

bool isOpenedSite(const QString &destination, const QString &openedFolder) {
    return !openedFolder.isEmpty() && QDir::cleanPath(destination) == QDir::cleanPath(openedFolder);
}

namespace {

// The files, one to a line, the first `shown` only when there are more.
QString fileLines(const QStringList &files, qsizetype shown = 10) {
    QStringList lines;
    for (qsizetype i = 0; i < std::min(files.size(), shown); ++i)
        lines.append(u"    "_s + files[i]);
    if (files.size() > shown)
        lines.append(QCoreApplication::translate("WizardFlow", "    and %n more", nullptr,
                                                 int(files.size() - shown)));
    return lines.join(u'\n');
}

} // namespace

QString recoveryMessage(const QStringList &problems) {
    return QCoreApplication::translate("WizardFlow",
                                       "Your website is open, but not all of it could be "
                                       "recovered:\n\n%1")
        .arg(problems.join(u"\n\n"_s));
}

QString replaceQuestion(const QString &destination, const QStringList &files) {
    return QCoreApplication::translate("WizardFlow",
                                       "The folder \"%1\" already holds files that building your "
                                       "website would replace:\n\n%2\n\nReplace them?")
        .arg(destination, fileLines(files));
}

QString leftoverQuestion(const QStringList &files) {
    return QCoreApplication::translate("WizardFlow",
                                       "These files belong to pages you deleted or renamed, and "
                                       "are still "
                                       "in the website's folder, where visitors can reach "
                                       "them:\n\n%1\n\nRemove them?")
        .arg(fileLines(files));
}

QString removedFilesMessage(const QStringList &files) {
    if (files.isEmpty())
        return {};
    // Few enough lines to fit below "View my website".
    constexpr qsizetype shown = 6;
    const QString heading =
        files.size() == 1
            ? QCoreApplication::translate("WizardFlow",
                                          "Removed 1 file that your website no longer uses:")
            : QCoreApplication::translate("WizardFlow",
                                          "Removed %1 files that your website no longer uses:")
                  .arg(files.size());
    return heading + u'\n' + fileLines(files, shown);
}

} // namespace quillsite
