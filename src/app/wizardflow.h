// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

namespace quillsite {

// The pages of the wizard, numbered as the stacked page frames fraWizard_<i>.
enum class WizardPage : qint16 {
    Welcome = 0,
    SelectTemplate = 1,
    ProvideInformation = 2,
    BuildPages = 3,
    SelectDestination = 4,
    Finish = 5,
};

enum class Direction { Next, Back };

// What the window around a page looks like while the page is in front.
struct PageChrome {
    bool banner = false; // fraTop and fraBottom
    bool backVisible = false;
    bool backEnabled = false;
    QString nextCaption;
};

PageChrome pageChrome(WizardPage page);

// The heading and explanation the banner takes on entering `page` in
// `direction`; nothing where the banner is hidden and its labels stay as they were.
struct BannerTexts {
    QString page;
    QString info;
};

std::optional<BannerTexts> bannerTexts(WizardPage page, Direction direction);

// The page one step away, or nothing at either end.
std::optional<WizardPage> neighbourPage(WizardPage page, Direction direction);

// Why the title and author can't be used, or an empty text when they can.
// Only the empty text and control characters are refused: a title of spaces
// is a title.
QString informationProblem(const QString &title, const QString &author);

// Why the destination can't be used, or an empty text when it can. A full
// path is an absolute one; it is taken exactly as typed.
QString destinationProblem(const QString &destination);

// The built site's home page in `destination`, as a file address.
QUrl homePageUrl(const QString &destination);

// The folder the site was built into, as a file address, and what the finish page says of it.
QUrl siteFolderUrl(const QString &destination);
QString siteFolderMessage(const QString &destination);

// Whether `destination` names the folder a site was opened from, however typed.
bool isOpenedSite(const QString &destination, const QString &openedFolder);

// The one message that lists what could not be recovered of an opened site.
QString recoveryMessage(const QStringList &problems);

// The question before building over page files in a folder other than the
// site that was opened, naming the files.
QString replaceQuestion(const QString &destination, const QStringList &files);

// The question after building about the files of pages deleted or renamed
// since the site was opened, naming them.
QString leftoverQuestion(const QStringList &files);

// What the finish page says of the files a build removed because the site
// no longer uses them, naming them; empty when it removed none.
QString removedFilesMessage(const QStringList &files);

} // namespace quillsite
