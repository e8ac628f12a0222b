// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/editcommand.h"
#include "authoring/editorsnapshot.h"

#include <QJsonObject>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite;

namespace {

QJsonObject state(bool enabled, bool inForce) {
    return {{u"enabled"_s, enabled}, {u"state"_s, inForce}};
}

QJsonObject alignmentReport(bool left, bool center, bool right) {
    return {{u"loadId"_s, 1},
            {u"states"_s, QJsonObject{{u"justifyLeft"_s, state(true, left)},
                                      {u"justifyCenter"_s, state(true, center)},
                                      {u"justifyRight"_s, state(true, right)}}}};
}

} // namespace

class tst_EditorSnapshot : public QObject {
    Q_OBJECT

private slots:
    void commandStatus_data();
    void commandStatus();
    void alignment_atMostOneLatched_data();
    void alignment_atMostOneLatched();
    void report_withoutContent_keepsPreviousContentOfSameLoad();
    void report_ofNewLoad_neverTakesOldContent();
    void report_readsLinkAndFont();
    void colorFromCss_data();
    void colorFromCss();
    void firstFontFamily_data();
    void firstFontFamily();
};

void tst_EditorSnapshot::commandStatus_data() {
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("inForce");
    QTest::addColumn<CommandStatus>("status");

    QTest::newRow("enabled and in force") << true << true << CommandStatus::Latched;
    QTest::newRow("enabled, not in force") << true << false << CommandStatus::Enabled;
    QTest::newRow("disabled") << false << false << CommandStatus::Disabled;
    QTest::newRow("disabled though in force") << false << true << CommandStatus::Disabled;
}

void tst_EditorSnapshot::commandStatus() {
    QFETCH(bool, enabled);
    QFETCH(bool, inForce);
    QFETCH(CommandStatus, status);
    QCOMPARE(quillsite::commandStatus(enabled, inForce), status);
}

void tst_EditorSnapshot::alignment_atMostOneLatched_data() {
    QTest::addColumn<bool>("left");
    QTest::addColumn<bool>("center");
    QTest::addColumn<bool>("right");
    QTest::addColumn<std::optional<EditCommand>>("latched");

    QTest::newRow("left only") << true << false << false << std::optional(EditCommand::JustifyLeft);
    QTest::newRow("centre only") << false << true << false
                                 << std::optional(EditCommand::JustifyCenter);
    QTest::newRow("right only") << false << false << true
                                << std::optional(EditCommand::JustifyRight);
    QTest::newRow("none") << false << false << false << std::optional<EditCommand>();
    QTest::newRow("left and centre: mixed selection")
        << true << true << false << std::optional<EditCommand>();
    QTest::newRow("all three") << true << true << true << std::optional<EditCommand>();
}

void tst_EditorSnapshot::alignment_atMostOneLatched() {
    QFETCH(bool, left);
    QFETCH(bool, center);
    QFETCH(bool, right);
    QFETCH(std::optional<EditCommand>, latched);

    const EditorSnapshot snapshot = snapshotFromReport(alignmentReport(left, center, right), {});
    for (EditCommand command :
         {EditCommand::JustifyLeft, EditCommand::JustifyCenter, EditCommand::JustifyRight}) {
        QCOMPARE(snapshot.status.value(command) == CommandStatus::Latched, command == latched);
        QVERIFY(snapshot.status.value(command) != CommandStatus::Disabled);
    }
}

void tst_EditorSnapshot::report_withoutContent_keepsPreviousContentOfSameLoad() {
    EditorSnapshot previous;
    previous.loadId = 4;
    previous.documentHtml = u"<html><body><p>x</p></body></html>"_s;
    previous.bodyHtml = u"<p>x</p>"_s;

    const EditorSnapshot snapshot =
        snapshotFromReport({{u"loadId"_s, 4}, {u"request"_s, 9}}, previous);
    QCOMPARE(snapshot.request, 9);
    QCOMPARE(snapshot.documentHtml, previous.documentHtml);
    QCOMPARE(snapshot.bodyHtml, previous.bodyHtml);

    const EditorSnapshot changed = snapshotFromReport(
        {{u"loadId"_s, 4}, {u"documentHtml"_s, u"<html></html>"_s}, {u"bodyHtml"_s, u""_s}},
        previous);
    QCOMPARE(changed.documentHtml, u"<html></html>"_s);
    QCOMPARE(changed.bodyHtml, QString());
}

void tst_EditorSnapshot::report_ofNewLoad_neverTakesOldContent() {
    EditorSnapshot previous;
    previous.loadId = 4;
    previous.bodyHtml = u"<p>old</p>"_s;
    const EditorSnapshot snapshot = snapshotFromReport({{u"loadId"_s, 5}}, previous);
    QCOMPARE(snapshot.loadId, 5);
    QCOMPARE(snapshot.bodyHtml, QString());
}

void tst_EditorSnapshot::report_readsLinkAndFont() {
    const EditorSnapshot snapshot =
        snapshotFromReport({{u"loadId"_s, 1},
                            {u"link"_s, u"about.htm"_s},
                            {u"fontName"_s, u"\"Times New Roman\", serif"_s},
                            {u"fontSize"_s, u"5"_s},
                            {u"foreColor"_s, u"rgb(0, 128, 255)"_s}},
                           {});
    QCOMPARE(snapshot.link, u"about.htm"_s);
    QCOMPARE(snapshot.font.family, u"Times New Roman"_s);
    QCOMPARE(snapshot.font.pointSize, 18);
    QCOMPARE(snapshot.font.color, QColor(0, 128, 255));
    QCOMPARE(snapshot.status.value(EditCommand::Bold), CommandStatus::Disabled);
}

void tst_EditorSnapshot::colorFromCss_data() {
    QTest::addColumn<QString>("css");
    QTest::addColumn<QColor>("color");

    QTest::newRow("rgb") << u"rgb(255, 0, 0)"_s << QColor(255, 0, 0);
    QTest::newRow("rgb without blanks") << u"rgb(1,2,3)"_s << QColor(1, 2, 3);
    QTest::newRow("rgba") << u"rgba(10, 20, 30, 0.5)"_s << QColor(10, 20, 30);
    QTest::newRow("hex") << u"#00ff00"_s << QColor(0, 255, 0);
    QTest::newRow("empty") << QString() << QColor();
    QTest::newRow("nonsense") << u"rgb(x)"_s << QColor();
}

void tst_EditorSnapshot::colorFromCss() {
    QFETCH(QString, css);
    QFETCH(QColor, color);
    QCOMPARE(quillsite::colorFromCss(css), color);
}

void tst_EditorSnapshot::firstFontFamily_data() {
    QTest::addColumn<QString>("css");
    QTest::addColumn<QString>("family");

    QTest::newRow("plain") << u"Verdana"_s << u"Verdana"_s;
    QTest::newRow("list") << u"Arial, Helvetica, sans-serif"_s << u"Arial"_s;
    QTest::newRow("double quotes") << u"\"Times New Roman\", serif"_s << u"Times New Roman"_s;
    QTest::newRow("single quotes") << u"'MS Sans Serif'"_s << u"MS Sans Serif"_s;
    QTest::newRow("empty") << QString() << QString();
}

void tst_EditorSnapshot::firstFontFamily() {
    QFETCH(QString, css);
    QFETCH(QString, family);
    QCOMPARE(quillsite::firstFontFamily(css), family);
}

QTEST_GUILESS_MAIN(tst_EditorSnapshot)
#include "tst_editorsnapshot.moc"
