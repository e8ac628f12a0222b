// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "programrun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The Debian package made by CPack, unpacked into an empty root (not
// installed), proves that the installed layout finds its own data.
class tst_DebianPackage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void lintian_findsNoError();
    void control_dependsOnWhatRunsTheWizard_data();
    void control_dependsOnWhatRunsTheWizard();
    void installedTemplate_isListedAndBuildsSite_data();
    void installedTemplate_isListedAndBuildsSite();
    void wizard_showsItsWindowWithoutWarnings();

private:
    QString unpacked(const QString &path) const { return m_work.filePath(u"root/usr/"_s + path); }

    QTemporaryDir m_work;
    QString m_package;
    QString m_templateListing;
};

void tst_DebianPackage::initTestCase() {
    QVERIFY(m_work.isValid());
    const ProgramRun cpack = runProgram(
        u"cpack"_s, {u"--config"_s, QStringLiteral(QUILLSITE_BUILD_DIR "/CPackConfig.cmake"),
                     u"-B"_s, m_work.filePath(u"package"_s)});
    QVERIFY2(cpack.exitCode == 0, qPrintable(cpack.output));
    const QStringList packages = QDir(m_work.filePath(u"package"_s)).entryList({u"*.deb"_s});
    QCOMPARE(packages.size(), 1);
    m_package = m_work.filePath(u"package/"_s + packages.constFirst());

    const ProgramRun unpack =
        runProgram(u"dpkg-deb"_s, {u"-x"_s, m_package, m_work.filePath(u"root"_s)});
    QVERIFY2(unpack.exitCode == 0, qPrintable(unpack.output));

    const ProgramRun listing =
        runProgram(unpacked(u"bin/quillsite-build"_s), {u"--list-templates"_s});
    QVERIFY2(listing.exitCode == 0, qPrintable(listing.output));
    m_templateListing = listing.output;
}

void tst_DebianPackage::lintian_findsNoError() {
    const ProgramRun lintian = runProgram(u"lintian"_s, {u"--fail-on"_s, u"error"_s, m_package});
    QVERIFY2(lintian.exitCode == 0, qPrintable(lintian.output));
}

void tst_DebianPackage::control_dependsOnWhatRunsTheWizard_data() {
    QTest::addColumn<QString>("package");
    QTest::newRow("library found in the binaries") << u"libqt6webenginewidgets6"_s;
    QTest::newRow("window system plug-ins") << u"qt6-qpa-plugins"_s;
    QTest::newRow("web engine helper process") << u"libqt6webenginecore6-bin"_s;
    QTest::newRow("web engine data") << u"libqt6webengine6-data"_s;
}

void tst_DebianPackage::control_dependsOnWhatRunsTheWizard() {
    QFETCH(QString, package);

    const ProgramRun depends = runProgram(u"dpkg-deb"_s, {u"--field"_s, m_package, u"Depends"_s});
    QCOMPARE(depends.exitCode, 0);
    QVERIFY2(depends.output.contains(package), qPrintable(depends.output));
}

void tst_DebianPackage::installedTemplate_isListedAndBuildsSite_data() {
    QTest::addColumn<QString>("name");
    for (const QString &name : {u"Meadow"_s, u"Midnight"_s, u"Paper"_s, u"Studio"_s})
        QTest::newRow(qPrintable(name)) << name;
}

void tst_DebianPackage::installedTemplate_isListedAndBuildsSite() {
    QFETCH(QString, name);
    QVERIFY2(m_templateListing.contains(name), qPrintable(m_templateListing));

    // A picture, so that the module that reads pictures is found where it was installed.
    const QString site = m_work.filePath(u"site-"_s + name);
    const QString pictures = m_work.filePath(u"pictures-"_s + name);
    QVERIFY(QDir().mkpath(pictures));
    QFile picture(pictures + u"/dot.png"_s); // one pixel
    QFile page(pictures + u"/home.html"_s);
    QVERIFY(picture.open(QIODevice::WriteOnly) && page.open(QIODevice::WriteOnly));
    picture.write(QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR4"
                                         "2mP8z8BQDwAEhQGAhKmMIQAAAABJRU5ErkJggg=="));
    page.write("<p><img src=\"dot.png\"></p>");
    picture.close();
    page.close();
    const ProgramRun build = runProgram(unpacked(u"bin/quillsite-build"_s),
                                        {u"--out"_s, site, u"--template"_s, name, u"--title"_s,
                                         u"Packaged"_s, u"--page"_s, u"Home="_s + page.fileName()});
    QVERIFY2(build.exitCode == 0, qPrintable(build.output));
    QFile home(site + u"/index.htm"_s);
    QVERIFY(home.open(QIODevice::ReadOnly));
    QVERIFY(home.readAll().contains("Packaged"));
    QVERIFY(QFile::exists(site + u"/files/style.css"_s));
    QVERIFY(QFile::exists(site + u"/media/dot.png"_s));
}

void tst_DebianPackage::wizard_showsItsWindowWithoutWarnings() {
    QProcess wizard;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"QT_LOGGING_RULES"_s, u"quillsite.startup.info=true"_s);
    environment.insert(u"QT_MESSAGE_PATTERN"_s, u"%{category} %{type}: %{message}"_s);
    wizard.setProcessEnvironment(environment);
    wizard.setProcessChannelMode(QProcess::MergedChannels);
    wizard.start(unpacked(u"bin/quillsite"_s));

    const QString shown =
        u"quillsite.startup info: The wizard's window is shown; its data is in "_s +
        QDir::cleanPath(unpacked(u"share/quillsite"_s));
    QString output;
    QTRY_VERIFY2_WITH_TIMEOUT((output += QString::fromUtf8(wizard.readAll())).contains(shown),
                              qPrintable(output), 60000);
    wizard.kill();
    wizard.waitForFinished();
    QVERIFY2(!output.contains(u"quillsite.startup warning"_s), qPrintable(output));
}

QTEST_GUILESS_MAIN(tst_DebianPackage)
#include "tst_debianpackage.moc"
