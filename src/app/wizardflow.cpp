#include "app/wizardflow.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace quillsite {

using namespace Qt::StringLiterals;

PageChrome pageChrome(WizardPage page) {
    const QString next = u"&Next >"_s;
    switch (page) {
    case WizardPage::Welcome:
        return {false, false, true, next}; // hidden, as designed
    case WizardPage::Finish:
        return {false, true, false, u"&Finish"_s};
    default:
        return {true, true, true, next};
    }
}

std::optional<BannerTexts> bannerTexts(WizardPage page, Direction direction) {
    const bool byNext = direction == Direction::Next;
    switch (page) {
    case WizardPage::SelectTemplate:
        return BannerTexts{u"Select Template"_s,
                           byNext ? u"Please select the prefered look of your website."_s
                                  : u"Please select the prefered look for your website."_s};
    case WizardPage::ProvideInformation:
        return BannerTexts{
            u"Provide Information"_s,
            u"Please provide the following information required to build your site."_s};
    case WizardPage::BuildPages:
        return BannerTexts{
            u"Build Pages"_s,
            byNext ? u"Create as many webpages as you want, along with their content."_s
                   : u"Create as many webpages as you want along with their content."_s};
    case WizardPage::SelectDestination:
        return BannerTexts{u"Select Destination"_s,
                           u"Choose the destination folder where you want to save your website."_s};
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
        return u"You must provide the required information in order to continue."_s;
    return {};
}

QString destinationProblem(const QString &destination) {
    if (destination.isEmpty())
        return u"You must provide the destination folder."_s;
    if (!destination.startsWith(u'/'))
        return u"The destination path you specified is invalid, please provide full path."_s;
    return {};
}

QUrl homePageUrl(const QString &destination) {
    static const QRegularExpression doubledSlashes(u"/{2,}"_s);
    QString path = destination + u"/index.htm"_s;
    return QUrl::fromLocalFile(path.replace(doubledSlashes, u"/"_s));
}

bool isOpenedSite(const QString &destination, const QString &openedFolder) {
    return !openedFolder.isEmpty() && QDir::cleanPath(destination) == QDir::cleanPath(openedFolder);
}

namespace {

// The files, one to a line, the first few only when there are many.
QString fileLines(const QStringList &files) {
    constexpr qsizetype shown = 10;
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
                                       "These files belong to pages you deleted, and are still "
                                       "in the website's folder, where visitors can reach "
                                       "them:\n\n%1\n\nRemove them?")
        .arg(fileLines(files));
}

} // namespace quillsite
