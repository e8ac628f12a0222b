// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editorselection.h"
#include "pagesetfixture.h"

#include <QAction>
#include <QActionGroup>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite;

namespace {
const QStringList statefulKeys = {u"Bold"_s,   u"Italic"_s, u"Underline"_s, u"Left"_s,
                                  u"Center"_s, u"Right"_s,  u"Ordered"_s,   u"Unordered"_s};
}

class tst_FormatToolbar : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void buttons_areLaidOutAsDesigned();
    void command_changesTheMarkup_data();
    void command_changesTheMarkup();
    void pressedStates_followTheCaret_data();
    void pressedStates_followTheCaret();
    void commands_goToSelectedPage_evenAfterAnotherReported();
    void keyboardShortcuts_formatAndPressButtons_data();
    void keyboardShortcuts_formatAndPressButtons();
    void undo_staysWithEachPage();
    void hyperlink_usesTheEditorsDialog();

private:
    QWidget *keyTarget(int page) const { return editorKeys(*m_f->pageSet->editor(page)); }
    void selectAllIn(int page);
    void setDocument(int page, const QString &body);
    void press(const QString &key) { m_f->action(key)->trigger(); }
    QStringList pressedKeys() const;

    std::unique_ptr<PageSetFixture> m_f;
};

// One window for all tests: starting the web engine's pages is what takes time.
void tst_FormatToolbar::initTestCase() {
    m_f = std::make_unique<PageSetFixture>();
    m_f->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_f->window));
    QCOMPARE(m_f->pageSet->appendPage(u"About"_s), QString());
}

void tst_FormatToolbar::cleanupTestCase() {
    m_f.reset();
}

void tst_FormatToolbar::init() {
    m_f->pageSet->selectHome();
}

void tst_FormatToolbar::setDocument(int page, const QString &body) {
    HtmlEditor *editor = m_f->pageSet->editor(page);
    QVERIFY(showDocument(*editor, u"<html><body>"_s + body + u"</body></html>"_s));
    QVERIFY(editor->waitUntilCurrent());
    QCOMPARE(editor->bodyHTML(), body);
}

void tst_FormatToolbar::selectAllIn(int page) {
    m_f->pageSet->selectPage(page);
    m_f->pageSet->editor(page)->setFocus();
    QVERIFY(selectContents(*m_f->pageSet->editor(page), u"p"_s));
}

QStringList tst_FormatToolbar::pressedKeys() const {
    QStringList pressed;
    for (const QString &key : statefulKeys) {
        if (m_f->action(key)->isChecked())
            pressed.append(key);
    }
    return pressed;
}

void tst_FormatToolbar::buttons_areLaidOutAsDesigned() {
    // As the window opens, before any editor has reported.
    const PageSetFixture fresh;
    const QList<QAction *> actions = fresh.tbrEdit->actions();
    QCOMPARE(actions.size(), 15);
    QStringList keys;
    for (QAction *a : actions)
        keys.append(a->isSeparator() ? u"|"_s : a->objectName());
    QCOMPARE(keys, (QStringList{u"Bold"_s, u"Italic"_s, u"Underline"_s, u"|"_s, u"Left"_s,
                                u"Center"_s, u"Right"_s, u"|"_s, u"Ordered"_s, u"Unordered"_s,
                                u"|"_s, u"Hyperlink"_s, u"Image"_s, u"|"_s, u"Font"_s}));
    QCOMPARE(fresh.action(u"Left"_s)->toolTip(), u"Left Justified"_s);
    QCOMPARE(fresh.action(u"Center"_s)->toolTip(), u"Center Justified"_s);
    QCOMPARE(fresh.action(u"Right"_s)->toolTip(), u"Right Justified"_s);
    QCOMPARE(fresh.action(u"Ordered"_s)->toolTip(), u"Ordered List"_s);
    QCOMPARE(fresh.action(u"Unordered"_s)->toolTip(), u"Unordered List"_s);
    for (const QString &key : statefulKeys)
        QCOMPARE(fresh.action(key)->isChecked(), key == u"Left"_s);
    for (const QString &key : statefulKeys)
        QVERIFY2(fresh.action(key)->isCheckable(), qPrintable(key));
    for (const QString &key : {u"Hyperlink"_s, u"Image"_s, u"Font"_s}) {
        QVERIFY(!fresh.action(key)->isCheckable());
        QVERIFY(!fresh.action(key)->icon().isNull());
    }
    QCOMPARE(fresh.tbrEdit->iconSize(), QSize(16, 16));
    QCOMPARE(fresh.tbrEdit->widgetForAction(fresh.action(u"Bold"_s))->size(), QSize(24, 22));
    QCOMPARE(fresh.action(u"Left"_s)->actionGroup()->exclusionPolicy(),
             QActionGroup::ExclusionPolicy::ExclusiveOptional);
}

void tst_FormatToolbar::command_changesTheMarkup_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("body");
    QTest::newRow("Bold") << u"Bold"_s << u"<p><b>word</b></p>"_s;
    QTest::newRow("Italic") << u"Italic"_s << u"<p><i>word</i></p>"_s;
    QTest::newRow("Underline") << u"Underline"_s << u"<p><u>word</u></p>"_s;
    QTest::newRow("Center") << u"Center"_s << u"<p style=\"text-align: center;\">word</p>"_s;
    QTest::newRow("Right") << u"Right"_s << u"<p style=\"text-align: right;\">word</p>"_s;
    QTest::newRow("Ordered") << u"Ordered"_s << u"<ol><li>word</li></ol>"_s;
    QTest::newRow("Unordered") << u"Unordered"_s << u"<ul><li>word</li></ul>"_s;
}

void tst_FormatToolbar::command_changesTheMarkup() {
    QFETCH(QString, key);
    QFETCH(QString, body);
    setDocument(0, u"<p>word</p>"_s);
    selectAllIn(0);
    press(key);
    QVERIFY(m_f->pageSet->editor(0)->waitUntilCurrent());
    QCOMPARE(m_f->pageSet->editor(0)->bodyHTML(), body);
}

void tst_FormatToolbar::pressedStates_followTheCaret_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<QStringList>("pressed");
    QTest::newRow("plain paragraph") << u"<p>plain</p>"_s << QStringList{u"Left"_s};
    QTest::newRow("bold") << u"<p><b>bold</b></p>"_s << QStringList{u"Bold"_s, u"Left"_s};
    QTest::newRow("italic underlined")
        << u"<p><i><u>both</u></i></p>"_s << QStringList{u"Italic"_s, u"Underline"_s, u"Left"_s};
    QTest::newRow("centred") << u"<p style=\"text-align: center;\">mid</p>"_s
                             << QStringList{u"Center"_s};
    QTest::newRow("right") << u"<p style=\"text-align: right;\">end</p>"_s
                           << QStringList{u"Right"_s};
    QTest::newRow("ordered list") << u"<ol><li>one</li></ol>"_s
                                  << QStringList{u"Left"_s, u"Ordered"_s};
    QTest::newRow("bulleted list")
        << u"<ul><li>one</li></ul>"_s << QStringList{u"Left"_s, u"Unordered"_s};
}

void tst_FormatToolbar::pressedStates_followTheCaret() {
    QFETCH(QString, body);
    QFETCH(QStringList, pressed);
    setDocument(0, body);
    // Press everything first, so that releasing is checked too.
    for (const QString &key : statefulKeys)
        m_f->action(key)->setChecked(true);
    QVERIFY(placeCaretInLastText(*m_f->pageSet->editor(0)));
    QTRY_COMPARE(pressedKeys(), pressed);
}

void tst_FormatToolbar::commands_goToSelectedPage_evenAfterAnotherReported() {
    setDocument(0, u"<p>home</p>"_s);
    setDocument(1, u"<p>about</p>"_s);
    selectAllIn(1);
    // Home reports last, though About stays the selected page.
    QVERIFY(showDocument(*m_f->pageSet->editor(0), u"<p><b>home</b></p>"_s));
    m_f->pageSet->selectPage(1);
    press(u"Italic"_s);
    QVERIFY(m_f->pageSet->editor(1)->waitUntilCurrent());
    QCOMPARE(m_f->pageSet->editor(1)->bodyHTML(), u"<p><i>about</i></p>"_s);
    QVERIFY(m_f->pageSet->editor(0)->waitUntilCurrent());
    QCOMPARE(m_f->pageSet->editor(0)->bodyHTML(), u"<p><b>home</b></p>"_s);
}

void tst_FormatToolbar::keyboardShortcuts_formatAndPressButtons_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("body");
    QTest::newRow("Ctrl+B") << int(Qt::Key_B) << u"Bold"_s << u"<p><b>word</b></p>"_s;
    QTest::newRow("Ctrl+I") << int(Qt::Key_I) << u"Italic"_s << u"<p><i>word</i></p>"_s;
    QTest::newRow("Ctrl+U") << int(Qt::Key_U) << u"Underline"_s << u"<p><u>word</u></p>"_s;
}

void tst_FormatToolbar::keyboardShortcuts_formatAndPressButtons() {
    QFETCH(int, key);
    QFETCH(QString, button);
    QFETCH(QString, body);
    setDocument(0, u"<p>word</p>"_s);
    selectAllIn(0);
    QTest::keyClick(keyTarget(0), Qt::Key(key), Qt::ControlModifier);
    QTRY_COMPARE(m_f->pageSet->editor(0)->bodyHTML(), body);
    QTRY_VERIFY(m_f->action(button)->isChecked());
}

void tst_FormatToolbar::undo_staysWithEachPage() {
    setDocument(0, u"<p>home</p>"_s);
    setDocument(1, u"<p>about</p>"_s);
    selectAllIn(0);
    press(u"Bold"_s);
    QVERIFY(m_f->pageSet->editor(0)->waitUntilCurrent());
    QCOMPARE(m_f->pageSet->editor(0)->bodyHTML(), u"<p><b>home</b></p>"_s);
    selectAllIn(1);
    press(u"Italic"_s);
    QVERIFY(m_f->pageSet->editor(1)->waitUntilCurrent());
    QCOMPARE(m_f->pageSet->editor(1)->bodyHTML(), u"<p><i>about</i></p>"_s);

    // Undo in About takes back About's italics and leaves Home's bold alone.
    QTest::keyClick(keyTarget(1), Qt::Key_Z, Qt::ControlModifier);
    QTRY_COMPARE(m_f->pageSet->editor(1)->bodyHTML(), u"<p>about</p>"_s);
    QVERIFY(m_f->pageSet->editor(0)->waitUntilCurrent());
    QCOMPARE(m_f->pageSet->editor(0)->bodyHTML(), u"<p><b>home</b></p>"_s);

    m_f->pageSet->selectPage(0);
    m_f->pageSet->editor(0)->setFocus();
    QTest::keyClick(keyTarget(0), Qt::Key_Z, Qt::ControlModifier);
    QTRY_COMPARE(m_f->pageSet->editor(0)->bodyHTML(), u"<p>home</p>"_s);
    QVERIFY(m_f->pageSet->editor(1)->waitUntilCurrent());
    QCOMPARE(m_f->pageSet->editor(1)->bodyHTML(), u"<p>about</p>"_s);
}

void tst_FormatToolbar::hyperlink_usesTheEditorsDialog() {
    setDocument(0, u"<p>site</p>"_s);
    selectAllIn(0);
    m_f->dialogs.linkAnswers = {u"https://example.org/"_s};
    press(u"Hyperlink"_s);
    QVERIFY(m_f->pageSet->editor(0)->waitUntilCurrent());
    QCOMPARE(m_f->pageSet->editor(0)->bodyHTML(),
             u"<p><a href=\"https://example.org/\">site</a></p>"_s);
    QVERIFY(!m_f->action(u"Hyperlink"_s)->isChecked());
}

QTEST_MAIN(tst_FormatToolbar)
#include "tst_formattoolbar.moc"
