// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "programrun.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The files that make the wizard a desktop program, installed into an empty
// prefix: the desktop entry, the metadata, the icons and the manual pages.
class tst_DesktopFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void installedFile_passesItsValidator_data();
    void installedFile_passesItsValidator();
    void icon_isRenderedAtItsSize_data();
    void icon_isRenderedAtItsSize();
    void manualPage_namesEveryOptionOfTheHelp_data();
    void manualPage_namesEveryOptionOfTheHelp();

private:
    QString installed(const QString &path) const { return m_prefix.filePath(path); }

    QTemporaryDir m_prefix;
};

void tst_DesktopFiles::initTestCase() {
    QVERIFY(m_prefix.isValid());
    const ProgramRun install =
        runProgram(u"cmake"_s, {u"--install"_s, QStringLiteral(QUILLSITE_BUILD_DIR), u"--prefix"_s,
                                m_prefix.path(), u"--component"_s, u"desktop"_s});
    QVERIFY2(install.exitCode == 0, qPrintable(install.output));
}

void tst_DesktopFiles::installedFile_passesItsValidator_data() {
    QTest::addColumn<QString>("validator");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("file");

    QTest::newRow("desktop entry") << u"desktop-file-validate"_s << QStringList()
                                   << u"share/applications/org.quillsite.Quillsite.desktop"_s;
    QTest::newRow("AppStream metadata")
        << u"appstreamcli"_s << QStringList{u"validate"_s, u"--no-net"_s}
        << u"share/metainfo/org.quillsite.Quillsite.metainfo.xml"_s;
}

void tst_DesktopFiles::installedFile_passesItsValidator() {
    QFETCH(QString, validator);
    QFETCH(QStringList, options);
    QFETCH(QString, file);

    QVERIFY2(QFile::exists(installed(file)), qPrintable(file));
    const ProgramRun check = runProgram(validator, options << installed(file));
    QVERIFY2(check.exitCode == 0, qPrintable(check.output));
}

void tst_DesktopFiles::icon_isRenderedAtItsSize_data() {
    QTest::addColumn<int>("size");
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%dx%d", size, size) << size;
}

void tst_DesktopFiles::icon_isRenderedAtItsSize() {
    QFETCH(int, size);

    const QImage icon(installed(u"share/icons/hicolor/%1x%1/apps/quillsite.png"_s.arg(size)));
    QCOMPARE(icon.size(), QSize(size, size));
    // The globe fills the middle and leaves the corners clear.
    QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
}

void tst_DesktopFiles::manualPage_namesEveryOptionOfTheHelp_data() {
    QTest::addColumn<QString>("program");
    QTest::newRow("wizard") << u"quillsite"_s;
    QTest::newRow("command-line builder") << u"quillsite-build"_s;
}

void tst_DesktopFiles::manualPage_namesEveryOptionOfTheHelp() {
    QFETCH(QString, program);

    const ProgramRun page =
        runProgram(u"gzip"_s, {u"-dc"_s, installed(u"share/man/man1/%1.1.gz"_s.arg(program))});
    QCOMPARE(page.exitCode, 0);
    const QString text = QString(page.output).remove(u'\\');
    const ProgramRun help =
        runProgram(QStringLiteral(QUILLSITE_BIN_DIR "/") + program, {u"--help"_s});
    QCOMPARE(help.exitCode, 0);

    const QRegularExpression longOption(u"--[a-z-]+"_s);
    int options = 0;
    for (const QRegularExpressionMatch &match : longOption.globalMatch(help.output)) {
        QVERIFY2(text.contains(match.captured()), qPrintable(match.captured()));
        ++options;
    }
    QVERIFY(options >= 2);
}

QTEST_GUILESS_MAIN(tst_DesktopFiles)
#include "tst_desktopfiles.moc"
