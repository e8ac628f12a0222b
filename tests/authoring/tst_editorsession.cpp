// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/editorsession.h"
#include "authoring/editorsnapshot.h"

#include <QJsonArray>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace quillsite;

// The session with the page on its own, without a view: reads answer at once, and only the
// wait waits.
class tst_EditorSession : public QObject {
    Q_OBJECT

private slots:
    void change_readAtOnceGivesLastShown_waitGivesIt_data();
    void change_readAtOnceGivesLastShown_waitGivesIt();
    void whenCurrent_actsOnceTheChangeIsReported();
};

void tst_EditorSession::change_readAtOnceGivesLastShown_waitGivesIt_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("atOnce"); // the body read straight after the change
    QTest::addColumn<QString>("body");   // the body once the wait is over

    QTest::newRow("document") << u"document"_s << u"<p>one</p>"_s << u"<p>three</p>"_s;
    QTest::newRow("command") << u"command"_s << u"<p>one</p>"_s << u"<h1>one</h1>"_s;
    // A body is known as given: reads answer with it at once.
    QTest::newRow("body") << u"body"_s << u"<p>three</p>"_s << u"<p>three</p>"_s;
}

void tst_EditorSession::change_readAtOnceGivesLastShown_waitGivesIt() {
    QFETCH(QString, change);
    QFETCH(QString, atOnce);
    QFETCH(QString, body);

    EditorSession session;
    session.setDocument(u"<p>one</p>"_s, {});
    QVERIFY(session.waitUntilCurrent());
    QCOMPARE(session.snapshot().bodyHtml, u"<p>one</p>"_s);
    if (change == u"document") {
        session.setDocument(u"<p>two</p>"_s, {});
        session.setDocument(u"<p>three</p>"_s, {});
    } else if (change == u"command") {
        session.run({u"paragraphStyle"_s, u"h1"_s});
    } else {
        session.setBody(u"<p>three</p>"_s, {});
    }
    bool eventsRan = false;
    QTimer due; // an event due at once, which a read must not run
    due.setSingleShot(true);
    connect(&due, &QTimer::timeout, this, [&eventsRan] { eventsRan = true; });
    due.start(0);
    QCOMPARE(session.snapshot().bodyHtml, atOnce);
    QCOMPARE(session.isCurrent(), change == u"body");
    QVERIFY(!eventsRan); // reading ran no events
    QVERIFY(session.waitUntilCurrent());
    QCOMPARE(session.snapshot().bodyHtml, body);
    QVERIFY(session.page());
}

void tst_EditorSession::whenCurrent_actsOnceTheChangeIsReported() {
    EditorSession session;
    session.setDocument(u"<p>one</p>"_s, {});
    QStringList seen;
    const auto see = [&] {
        seen.append(session.snapshot().bodyHtml);
    };
    session.whenCurrent(this, see);
    QVERIFY(seen.isEmpty());
    QVERIFY(session.waitUntilCurrent());
    session.run({u"paragraphStyle"_s, u"h2"_s});
    session.whenCurrent(this, see);
    QVERIFY(session.waitUntilCurrent());
    session.whenCurrent(this, see); // current: at once
    QCOMPARE(seen, (QStringList{u"<p>one</p>"_s, u"<h2>one</h2>"_s, u"<h2>one</h2>"_s}));
}

QTEST_MAIN(tst_EditorSession)
#include "tst_editorsession.moc"
