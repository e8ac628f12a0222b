// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publishwindow/publishplace.h"

#include <QTest>

Q_DECLARE_METATYPE(quillsite::PublishPlace)

using namespace quillsite;
using namespace Qt::StringLiterals;

namespace {

using Kind = DestinationAddress::Kind;

PublishPlace server(Kind kind, const QString &host, const QString &user, const QString &folder) {
    PublishPlace place;
    place.kind = kind;
    place.host = host;
    place.port = defaultPort(kind);
    place.user = user;
    place.remoteFolder = folder;
    return place;
}

} // namespace

// Where a site is published to: the address it makes, and what it lacks.
class tst_PublishPlace final : public QObject {
    Q_OBJECT

private slots:
    void address_namesThePlaceAsTheCommandLineDoes_data();
    void address_namesThePlaceAsTheCommandLineDoes();
    void problem_saysWhatIsMissing_data();
    void problem_saysWhatIsMissing();
};

void tst_PublishPlace::address_namesThePlaceAsTheCommandLineDoes_data() {
    QTest::addColumn<PublishPlace>("place");
    QTest::addColumn<QString>("display");
    QTest::newRow("sftp, folder without slashes")
        << server(Kind::Sftp, u" example.org "_s, u"ann"_s, u"www/club/"_s)
        << u"sftp://ann@example.org/www/club"_s;
    PublishPlace otherPort = server(Kind::Sftp, u"example.org"_s, u"ann"_s, u"/www"_s);
    otherPort.port = 2222;
    QTest::newRow("sftp, other port") << otherPort << u"sftp://ann@example.org:2222/www"_s;
    QTest::newRow("ftps, root folder, default port")
        << server(Kind::Ftps, u"ftp.example.org"_s, u"ann"_s, QString())
        << u"ftps://ann@ftp.example.org/"_s;
    PublishPlace git;
    git.kind = Kind::Git;
    git.repository = u"git@codeberg.org:club/pages.git"_s;
    git.branch.clear();
    QTest::newRow("git, default branch")
        << git << u"git+git@codeberg.org:club/pages.git#gh-pages"_s;
    PublishPlace folder;
    folder.kind = Kind::Folder;
    folder.folder = u"/srv/www//club/"_s;
    QTest::newRow("folder, cleaned") << folder << u"/srv/www/club"_s;
}

void tst_PublishPlace::address_namesThePlaceAsTheCommandLineDoes() {
    QFETCH(PublishPlace, place);
    QTEST(place.address().display(), "display");
}

void tst_PublishPlace::problem_saysWhatIsMissing_data() {
    QTest::addColumn<PublishPlace>("place");
    QTest::addColumn<QString>("problem");
    QTest::newRow("complete") << server(Kind::Sftp, u"h"_s, u"u"_s, u"/w"_s) << QString();
    QTest::newRow("no host") << server(Kind::Ftp, u" "_s, u"u"_s, u"/w"_s)
                             << u"Type the name of the server"_s;
    QTest::newRow("no user") << server(Kind::Ftps, u"h"_s, QString(), u"/w"_s)
                             << u"Type your user name"_s;
    PublishPlace keyless = server(Kind::Sftp, u"h"_s, u"u"_s, u"/w"_s);
    keyless.signIn = PublishPlace::SignIn::KeyFile;
    QTest::newRow("key file not chosen") << keyless << u"Choose your key file"_s;
    PublishPlace relative;
    relative.kind = Kind::Folder;
    relative.folder = u"www"_s;
    QTest::newRow("relative folder") << relative << u"as a full path"_s;
    PublishPlace git;
    git.kind = Kind::Git;
    QTest::newRow("no repository") << git << u"address of the Git repository"_s;
}

void tst_PublishPlace::problem_saysWhatIsMissing() {
    QFETCH(PublishPlace, place);
    QFETCH(QString, problem);
    if (problem.isEmpty())
        QCOMPARE(place.problem(), QString());
    else
        QVERIFY2(place.problem().startsWith(problem) || place.problem().contains(problem),
                 qPrintable(place.problem()));
}

QTEST_GUILESS_MAIN(tst_PublishPlace)
#include "tst_publishplace.moc"
