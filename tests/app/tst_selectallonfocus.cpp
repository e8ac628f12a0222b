// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/selectallonfocus.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite;

class tst_SelectAllOnFocus : public QObject {
    Q_OBJECT

private slots:
    void focusArrives_data();
    void focusArrives();
    void ownSelectionAfterFocus_wins();
};

void tst_SelectAllOnFocus::focusArrives_data() {
    QTest::addColumn<Qt::FocusReason>("reason");
    QTest::addColumn<QString>("selected");

    QTest::newRow("tab") << Qt::TabFocusReason << u"My Website"_s;
    QTest::newRow("back tab") << Qt::BacktabFocusReason << u"My Website"_s;
    QTest::newRow("access key") << Qt::ShortcutFocusReason << u"My Website"_s;
    QTest::newRow("from code") << Qt::OtherFocusReason << u"My Website"_s;
    QTest::newRow("window activated") << Qt::ActiveWindowFocusReason << u"My Website"_s;
    QTest::newRow("context menu closed") << Qt::PopupFocusReason << u"Web"_s;
}

void tst_SelectAllOnFocus::focusArrives() {
    QFETCH(Qt::FocusReason, reason);
    QLineEdit edit(u"My Website"_s);
    SelectAllOnFocus::install(&edit);
    edit.setSelection(3, 3);
    QFocusEvent focusIn(QEvent::FocusIn, reason);
    QCoreApplication::sendEvent(&edit, &focusIn);
    QTEST(edit.selectedText(), "selected");
}

void tst_SelectAllOnFocus::ownSelectionAfterFocus_wins() {
    QWidget window;
    QLineEdit other(&window);
    QLineEdit edit(u"My Website"_s, &window);
    edit.move(0, 30);
    SelectAllOnFocus::install(&edit);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other.setFocus();
    edit.setFocus(Qt::OtherFocusReason);
    edit.setCursorPosition(edit.text().size());
    QCoreApplication::processEvents();
    QVERIFY(edit.hasFocus());
    QCOMPARE(edit.selectedText(), QString());
    QCOMPARE(edit.cursorPosition(), 10);
}

QTEST_MAIN(tst_SelectAllOnFocus)
#include "tst_selectallonfocus.moc"
