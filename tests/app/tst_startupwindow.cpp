// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The real program on a virtual X display, watched from outside as a window manager or a
// user's tool sees it: the wizard's window must stay the same native window while the web
// engine starts behind it.
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_StartupWindow final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void wizardWindow_isMadeOnce();

private:
    // The ids of the program's shown top-level windows ("quillsite" is their class).
    QSet<QString> programWindows();

    QString m_xwininfo;
    QProcess m_display;
    QString m_displayName;
};

void tst_StartupWindow::initTestCase() {
    m_xwininfo = QStandardPaths::findExecutable(u"xwininfo"_s);
    if (m_xwininfo.isEmpty())
        QSKIP("xwininfo is not installed (package x11-utils; scripts/setup.sh installs it)");
    const QString xvfb = QStandardPaths::findExecutable(u"Xvfb"_s);
    if (xvfb.isEmpty())
        QSKIP("Xvfb is not installed (scripts/setup.sh installs it)");
    // Xvfb picks a free display and writes its number to the given descriptor.
    m_display.start(xvfb, {u"-displayfd"_s, u"1"_s, u"-screen"_s, u"0"_s, u"1280x1024x24"_s,
                           u"-nolisten"_s, u"tcp"_s});
    QVERIFY(m_display.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(m_display.canReadLine(), 10000);
    m_displayName = u":"_s + QString::fromLatin1(m_display.readLine().trimmed());
}

void tst_StartupWindow::cleanupTestCase() {
    m_display.terminate();
    m_display.waitForFinished();
}

QSet<QString> tst_StartupWindow::programWindows() {
    QProcess xwininfo;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DISPLAY"_s, m_displayName);
    xwininfo.setProcessEnvironment(environment);
    xwininfo.start(m_xwininfo, {u"-root"_s, u"-children"_s});
    xwininfo.waitForFinished();
    static const QRegularExpression window(uR"(^\s+(0x[0-9a-f]+) .*\("quillsite" )"_s,
                                           QRegularExpression::MultilineOption);
    QSet<QString> ids;
    for (const auto &match : window.globalMatch(QString::fromLocal8Bit(xwininfo.readAll())))
        ids.insert(match.captured(1));
    return ids;
}

void tst_StartupWindow::wizardWindow_isMadeOnce() {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"QT_QPA_PLATFORM"_s);
    environment.insert(u"DISPLAY"_s, m_displayName);
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(QUILLSITE_BIN_DIR "/quillsite"), {});
    QVERIFY(program.waitForStarted());

    // Watched as `xwininfo` polled every 30 ms shows it, until the web engine has long
    // joined the window (it does so within a second of the first sight).
    QSet<QString> seen;
    QElapsedTimer sinceStart;
    sinceStart.start();
    QElapsedTimer sinceShown;
    while (!sinceShown.isValid() || sinceShown.elapsed() < 4000) {
        QVERIFY2(sinceStart.elapsed() < 30000, "the wizard showed no window");
        QVERIFY2(program.state() == QProcess::Running, "the program ended");
        seen.unite(programWindows());
        if (!seen.isEmpty() && !sinceShown.isValid())
            sinceShown.start();
        QTest::qWait(30);
    }
    program.kill();
    program.waitForFinished();

    QCOMPARE(seen.size(), 1);
}

QTEST_GUILESS_MAIN(tst_StartupWindow)
#include "tst_startupwindow.moc"
