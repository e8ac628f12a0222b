// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/wizardflow.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite;

Q_DECLARE_METATYPE(quillsite::WizardPage)
Q_DECLARE_METATYPE(quillsite::Direction)

class tst_WizardFlow : public QObject {
    Q_OBJECT

private slots:
    void pageChrome_data();
    void pageChrome();
    void bannerTexts_data();
    void bannerTexts();
    void neighbourPage_data();
    void neighbourPage();
    void informationProblem_data();
    void informationProblem();
    void destinationProblem_data();
    void destinationProblem();
    void homePageUrl_data();
    void homePageUrl();
    void isOpenedSite_data();
    void removedFilesMessage_data();
    void removedFilesMessage();
    void isOpenedSite();
};

void tst_WizardFlow::pageChrome_data() {
    QTest::addColumn<WizardPage>("page");
    QTest::addColumn<bool>("banner");
    QTest::addColumn<bool>("backVisible");
    QTest::addColumn<bool>("backEnabled");
    QTest::addColumn<QString>("nextCaption");

    QTest::newRow("welcome: no banner, no Back")
        << WizardPage::Welcome << false << false << true << u"&Next >"_s;
    QTest::newRow("select template")
        << WizardPage::SelectTemplate << true << true << true << u"&Next >"_s;
    QTest::newRow("provide information")
        << WizardPage::ProvideInformation << true << true << true << u"&Next >"_s;
    QTest::newRow("build pages") << WizardPage::BuildPages << true << true << true << u"&Next >"_s;
    QTest::newRow("select destination")
        << WizardPage::SelectDestination << true << true << true << u"&Next >"_s;
    QTest::newRow("finish: Back shown but disabled")
        << WizardPage::Finish << false << true << false << u"&Finish"_s;
}

void tst_WizardFlow::pageChrome() {
    QFETCH(WizardPage, page);
    const PageChrome chrome = quillsite::pageChrome(page);
    QTEST(chrome.banner, "banner");
    QTEST(chrome.backVisible, "backVisible");
    QTEST(chrome.backEnabled, "backEnabled");
    QTEST(chrome.nextCaption, "nextCaption");
}

void tst_WizardFlow::bannerTexts_data() {
    QTest::addColumn<WizardPage>("page");
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<bool>("changes");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("info");

    const QString provide =
        u"Please provide the following information required to build your site."_s;
    QTest::newRow("welcome by back leaves the banner")
        << WizardPage::Welcome << Direction::Back << false << QString() << QString();
    QTest::newRow("select template by next: of")
        << WizardPage::SelectTemplate << Direction::Next << true << u"Select Template"_s
        << u"Please select the prefered look of your website."_s;
    QTest::newRow("select template by back: for")
        << WizardPage::SelectTemplate << Direction::Back << true << u"Select Template"_s
        << u"Please select the prefered look for your website."_s;
    QTest::newRow("provide information by next")
        << WizardPage::ProvideInformation << Direction::Next << true << u"Provide Information"_s
        << provide;
    QTest::newRow("provide information by back")
        << WizardPage::ProvideInformation << Direction::Back << true << u"Provide Information"_s
        << provide;
    QTest::newRow("build pages by next: with comma")
        << WizardPage::BuildPages << Direction::Next << true << u"Build Pages"_s
        << u"Create as many webpages as you want, along with their content."_s;
    QTest::newRow("build pages by back: without comma")
        << WizardPage::BuildPages << Direction::Back << true << u"Build Pages"_s
        << u"Create as many webpages as you want along with their content."_s;
    QTest::newRow("select destination by next")
        << WizardPage::SelectDestination << Direction::Next << true << u"Select Destination"_s
        << u"Choose the destination folder where you want to save your website."_s;
    QTest::newRow("finish leaves the banner")
        << WizardPage::Finish << Direction::Next << false << QString() << QString();
}

void tst_WizardFlow::bannerTexts() {
    QFETCH(WizardPage, page);
    QFETCH(Direction, direction);
    QFETCH(bool, changes);
    const std::optional<BannerTexts> texts = quillsite::bannerTexts(page, direction);
    QCOMPARE(texts.has_value(), changes);
    if (texts) {
        QTEST(texts->page, "heading");
        QTEST(texts->info, "info");
    }
}

void tst_WizardFlow::neighbourPage_data() {
    QTest::addColumn<WizardPage>("page");
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<int>("expected"); // -1: none

    QTest::newRow("nothing before welcome") << WizardPage::Welcome << Direction::Back << -1;
    QTest::newRow("welcome to select template") << WizardPage::Welcome << Direction::Next << 1;
    QTest::newRow("destination to finish") << WizardPage::SelectDestination << Direction::Next << 5;
    QTest::newRow("destination back to build pages")
        << WizardPage::SelectDestination << Direction::Back << 3;
    QTest::newRow("nothing after finish") << WizardPage::Finish << Direction::Next << -1;
}

void tst_WizardFlow::neighbourPage() {
    QFETCH(WizardPage, page);
    QFETCH(Direction, direction);
    QFETCH(int, expected);
    const std::optional<WizardPage> neighbour = quillsite::neighbourPage(page, direction);
    QCOMPARE(neighbour ? static_cast<int>(*neighbour) : -1, expected);
}

void tst_WizardFlow::informationProblem_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("author");
    QTest::addColumn<QString>("problem");

    const QString missing = u"You must provide the required information in order to continue."_s;
    const QString controlInTitle =
        u"The title contains a control character (such as a tab or a line break), which a web "
        u"page can't show. Type the title without it."_s;
    const QString controlInAuthor =
        u"The author contains a control character (such as a tab or a line break), which a web "
        u"page can't show. Type the author without it."_s;
    QTest::newRow("both given") << u"My Website"_s << u"Jane"_s << QString();
    QTest::newRow("empty author") << u"My Website"_s << QString() << missing;
    QTest::newRow("empty title") << QString() << u"Jane"_s << missing;
    QTest::newRow("both empty") << QString() << QString() << missing;
    QTest::newRow("spaces pass as title and author") << u"   "_s << u" "_s << QString();
    QTest::newRow("markup and quotes are text")
        << u"<b>Tom & \"Jerry\"</b>"_s << u"Ann <ann@example.org>"_s << QString();
    QTest::newRow("line break in the title") << u"My\nWebsite"_s << u"Jane"_s << controlInTitle;
    QTest::newRow("escape in the author") << u"My Website"_s << u"Jane\x1b[2J"_s << controlInAuthor;
    QTest::newRow("tab in both, title first") << u"My\tWebsite"_s << u"Ja\tne"_s << controlInTitle;
}

void tst_WizardFlow::informationProblem() {
    QFETCH(QString, title);
    QFETCH(QString, author);
    QFETCH(QString, problem);
    QCOMPARE(quillsite::informationProblem(title, author), problem);
}

void tst_WizardFlow::destinationProblem_data() {
    QTest::addColumn<QString>("destination");
    QTest::addColumn<QString>("problem");

    const QString invalid =
        u"The destination path you specified is invalid, please provide full path."_s;
    QTest::newRow("empty") << QString() << u"You must provide the destination folder."_s;
    QTest::newRow("bare folder name") << u"My Website"_s << invalid;
    QTest::newRow("dot path") << u"./site"_s << invalid;
    QTest::newRow("home shorthand") << u"~/site"_s << invalid;
    QTest::newRow("backslash root") << u"\\My Website"_s << invalid;
    QTest::newRow("drive letter") << u"C:\\site"_s << invalid;
    QTest::newRow("leading blank") << u" /tmp/site"_s << invalid;
    QTest::newRow("root") << u"/"_s << QString();
    QTest::newRow("absolute folder") << u"/home/jane/My Website"_s << QString();
    QTest::newRow("trailing slash kept") << u"/srv/site/"_s << QString();
}

void tst_WizardFlow::destinationProblem() {
    QFETCH(QString, destination);
    QTEST(quillsite::destinationProblem(destination), "problem");
}

void tst_WizardFlow::homePageUrl_data() {
    QTest::addColumn<QString>("destination");
    QTest::addColumn<QString>("url");

    QTest::newRow("plain folder") << u"/srv/site"_s << u"file:///srv/site/index.htm"_s;
    QTest::newRow("trailing slash collapsed") << u"/srv/site/"_s << u"file:///srv/site/index.htm"_s;
    QTest::newRow("doubled slashes collapsed")
        << u"//srv//site"_s << u"file:///srv/site/index.htm"_s;
    QTest::newRow("blank and hash encoded")
        << u"/srv/My #1 Site"_s << u"file:///srv/My%20%231%20Site/index.htm"_s;
}

void tst_WizardFlow::homePageUrl() {
    QFETCH(QString, destination);
    QTEST(quillsite::homePageUrl(destination).toString(QUrl::FullyEncoded), "url");
}

void tst_WizardFlow::isOpenedSite_data() {
    QTest::addColumn<QString>("destination");
    QTest::addColumn<QString>("openedFolder");
    QTest::addColumn<bool>("opened");

    QTest::newRow("as opened") << u"/srv/site"_s << u"/srv/site"_s << true;
    QTest::newRow("typed with a trailing slash") << u"/srv/site/"_s << u"/srv/site"_s << true;
    QTest::newRow("typed with doubled slashes") << u"/srv//site"_s << u"/srv/site"_s << true;
    QTest::newRow("another folder") << u"/srv/site2"_s << u"/srv/site"_s << false;
    QTest::newRow("nothing opened") << u"/srv/site"_s << QString() << false;
}

void tst_WizardFlow::isOpenedSite() {
    QFETCH(QString, destination);
    QFETCH(QString, openedFolder);
    QTEST(quillsite::isOpenedSite(destination, openedFolder), "opened");
}

void tst_WizardFlow::removedFilesMessage_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("message");

    QTest::newRow("none: nothing said") << QStringList() << QString();
    QTest::newRow("one") << QStringList{u"media/old.jpg"_s}
                         << u"Removed 1 file that your website no longer uses:\n"
                            "    media/old.jpg"_s;
    QStringList many;
    for (int i = 1; i <= 8; ++i)
        many.append(u"files/%1.svg"_s.arg(i));
    QTest::newRow("many: the first six and how many more")
        << many
        << u"Removed 8 files that your website no longer uses:\n    files/1.svg\n    files/2.svg\n"
           "    files/3.svg\n    files/4.svg\n    files/5.svg\n    files/6.svg\n    and 2 more"_s;
}

void tst_WizardFlow::removedFilesMessage() {
    QFETCH(QStringList, files);
    QTEST(quillsite::removedFilesMessage(files), "message");
}

QTEST_APPLESS_MAIN(tst_WizardFlow)
#include "tst_wizardflow.moc"
