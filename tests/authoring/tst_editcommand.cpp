// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/editcommand.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite;

class tst_EditCommand : public QObject {
    Q_OBJECT

private slots:
    void commandOfNumber_data();
    void commandOfNumber();
    void htmlFontSize_data();
    void htmlFontSize();
    void pointSizeOfHtmlFontSize_data();
    void pointSizeOfHtmlFontSize();
};

void tst_EditCommand::commandOfNumber_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("known");
    QTest::addColumn<QString>("name");
    QTest::addColumn<CommandAction>("action");

    const auto format = CommandAction::Format;
    QTest::newRow("5000 bold") << 5000 << true << u"bold"_s << format;
    QTest::newRow("5023 italic") << 5023 << true << u"italic"_s << format;
    QTest::newRow("5048 underline") << 5048 << true << u"underline"_s << format;
    QTest::newRow("5025 left") << 5025 << true << u"justifyLeft"_s << format;
    QTest::newRow("5024 centre") << 5024 << true << u"justifyCenter"_s << format;
    QTest::newRow("5026 right") << 5026 << true << u"justifyRight"_s << format;
    QTest::newRow("5030 numbered list")
        << 5030 << true << u"insertOrderedList"_s << CommandAction::List;
    QTest::newRow("5051 bulleted list")
        << 5051 << true << u"insertUnorderedList"_s << CommandAction::List;
    QTest::newRow("5016 hyperlink asks first")
        << 5016 << true << QString() << CommandAction::AskLink;
    QTest::newRow("5017 image asks first") << 5017 << true << QString() << CommandAction::AskImage;
    QTest::newRow("5009 font asks first") << 5009 << true << QString() << CommandAction::AskFont;
    QTest::newRow("unknown") << 1234 << false << QString() << format;
    QTest::newRow("a status number") << 7 << false << QString() << format;
}

void tst_EditCommand::commandOfNumber() {
    QFETCH(int, number);
    QFETCH(bool, known);
    QFETCH(QString, name);
    QFETCH(CommandAction, action);
    const std::optional<EditCommand> command = editCommandOfNumber(number);
    QCOMPARE(command.has_value(), known);
    if (!command)
        return;
    QCOMPARE(int(*command), number);
    QCOMPARE(editingCommandName(*command), name);
    QCOMPARE(commandAction(*command), action);
}

void tst_EditCommand::htmlFontSize_data() {
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("htmlSize");

    QTest::newRow("tiny") << 4 << 1;
    QTest::newRow("8 pt") << 8 << 1;
    QTest::newRow("9 pt, halfway: the smaller size") << 9 << 1;
    QTest::newRow("11 pt") << 11 << 2;
    QTest::newRow("12 pt, the normal size") << 12 << 3;
    QTest::newRow("14 pt") << 14 << 4;
    QTest::newRow("16 pt, halfway: the smaller size") << 16 << 4;
    QTest::newRow("18 pt") << 18 << 5;
    QTest::newRow("24 pt") << 24 << 6;
    QTest::newRow("31 pt") << 31 << 7;
    QTest::newRow("72 pt") << 72 << 7;
}

void tst_EditCommand::htmlFontSize() {
    QFETCH(int, points);
    QFETCH(int, htmlSize);
    QCOMPARE(quillsite::htmlFontSize(points), htmlSize);
}

void tst_EditCommand::pointSizeOfHtmlFontSize_data() {
    QTest::addColumn<int>("htmlSize");
    QTest::addColumn<int>("points");

    QTest::newRow("1") << 1 << 8;
    QTest::newRow("3") << 3 << 12;
    QTest::newRow("7") << 7 << 36;
    QTest::newRow("below range") << 0 << 8;
    QTest::newRow("above range") << 9 << 36;
}

void tst_EditCommand::pointSizeOfHtmlFontSize() {
    QFETCH(int, htmlSize);
    QFETCH(int, points);
    QCOMPARE(quillsite::pointSizeOfHtmlFontSize(htmlSize), points);
}

QTEST_GUILESS_MAIN(tst_EditCommand)
#include "tst_editcommand.moc"
