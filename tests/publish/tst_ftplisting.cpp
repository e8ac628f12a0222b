// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "publish/ftplisting.h"

#include <QTest>

using namespace quillsite;
using namespace Qt::StringLiterals;

// How the FTP destination reads a server's folder listings.
class tst_FtpListing : public QObject {
    Q_OBJECT

private slots:
    void parse_givesNamesSizesAndTypes_data();
    void parse_givesNamesSizesAndTypes();
};

void tst_FtpListing::parse_givesNamesSizesAndTypes_data() {
    QTest::addColumn<bool>("machine");
    QTest::addColumn<QByteArray>("listing");
    // "name size kind" per entry, kind f (file), d (folder) or l (link).
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("MLSD file and folder")
        << true
        << QByteArray("type=file;size=120;modify=20261210060000; index.htm\r\n"
                      "type=dir;modify=20261210060000; pictures\r\n")
        << QStringList{u"index.htm 120 f"_s, u"pictures 0 d"_s};
    QTest::newRow("MLSD leaves out the folder itself and its parent")
        << true << QByteArray("type=cdir; .\r\ntype=pdir; ..\r\ntype=file;size=1; a\r\n")
        << QStringList{u"a 1 f"_s};
    QTest::newRow("MLSD name with blanks and a semicolon")
        << true << QByteArray("size=5;type=file; my page; two.htm\r\n")
        << QStringList{u"my page; two.htm 5 f"_s};
    QTest::newRow("MLSD facts in capitals, a link")
        << true << QByteArray("Type=OS.unix=slink:/x;Size=3; link\r\n")
        << QStringList{u"link 3 l"_s};
    QTest::newRow("LIST file, folder and dot file")
        << false
        << QByteArray("-rw-r--r--    1 1000     1000          120 Dec 10 06:00 index.htm\r\n"
                      "drwxr-xr-x    2 1000     1000         4096 Dec 10 06:00 pictures\r\n"
                      "-rw-r--r--    1 1000     1000           17 Jan 01  2025 .htaccess\r\n")
        << QStringList{u"index.htm 120 f"_s, u"pictures 4096 d"_s, u".htaccess 17 f"_s};
    QTest::newRow("LIST name with runs of blanks")
        << false << QByteArray("-rw-r--r-- 1 0 0 9 Dec 10 06:00 two  blanks.htm\n")
        << QStringList{u"two  blanks.htm 9 f"_s};
    QTest::newRow("LIST link shows its name only")
        << false << QByteArray("lrwxrwxrwx 1 0 0 4 Dec 10 06:00 web -> /srv\n")
        << QStringList{u"web 4 l"_s};
    QTest::newRow("LIST total line, dot entries and garbage left out")
        << false
        << QByteArray("total 8\r\ndrwxr-xr-x 2 0 0 4096 Dec 10 06:00 .\r\n"
                      "drwxr-xr-x 2 0 0 4096 Dec 10 06:00 ..\r\nnonsense\r\n")
        << QStringList();
}

void tst_FtpListing::parse_givesNamesSizesAndTypes() {
    QFETCH(bool, machine);
    QFETCH(QByteArray, listing);
    QFETCH(QStringList, expected);
    QStringList entries;
    for (const RemoteEntry &entry :
         machine ? parseMachineListing(listing) : parseUnixListing(listing)) {
        entries << u"%1 %2 %3"_s.arg(entry.path)
                       .arg(entry.size)
                       .arg(entry.isLink     ? u"l"_s
                            : entry.isFolder ? u"d"_s
                                             : u"f"_s);
    }
    QCOMPARE(entries, expected);
}

QTEST_GUILESS_MAIN(tst_FtpListing)
#include "tst_ftplisting.moc"
