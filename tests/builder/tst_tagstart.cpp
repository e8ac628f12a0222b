// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/tagstart.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace quillsite {

class TestTagStart : public QObject {
    Q_OBJECT

private slots:
    void indexOfTagStart_data();
    void indexOfTagStart();
};

void TestTagStart::indexOfTagStart_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("from");
    QTest::addColumn<qsizetype>("found"); // of "<a" or "<A"

    QTest::newRow("empty") << QString() << qsizetype(0) << qsizetype(-1);
    QTest::newRow("other tags only") << u"<p><b>x</b></p>"_s << qsizetype(0) << qsizetype(-1);
    QTest::newRow("'<' right before") << u"x<<a"_s << qsizetype(0) << qsizetype(2);
    QTest::newRow("upper case") << u"<p><A href=x>"_s << qsizetype(0) << qsizetype(3);
    QTest::newRow("'<' as the last character") << u"x<"_s << qsizetype(0) << qsizetype(-1);
    QTest::newRow("name as the last character") << u"x<a"_s << qsizetype(0) << qsizetype(1);
    QTest::newRow("from just past a match") << u"<a<b<a"_s << qsizetype(1) << qsizetype(4);
    QTest::newRow("from past the last match") << u"<a<b"_s << qsizetype(1) << qsizetype(-1);
    // Every place in a long text, before, at and after the edges of the
    // blocks it is looked at in, behind a tag that doesn't count.
    for (qsizetype at = 0; at < 100; ++at) {
        QString text(at, u'x');
        if (at >= 3)
            text.replace(at / 2 - 1, 2, u"<b"_s);
        text += u"<a>"_s + QString(at % 7, u'y');
        QTest::addRow("at %lld", qlonglong(at)) << text << qsizetype(0) << at;
    }
}

void TestTagStart::indexOfTagStart() {
    QFETCH(QString, text);
    QFETCH(qsizetype, from);
    QFETCH(qsizetype, found);
    const auto startsLink = [](char16_t ch) {
        return (ch | 0x20) == u'a';
    };
    QCOMPARE(quillsite::indexOfTagStart(text, from, startsLink), found);
}

} // namespace quillsite

QTEST_GUILESS_MAIN(quillsite::TestTagStart)
#include "tst_tagstart.moc"
