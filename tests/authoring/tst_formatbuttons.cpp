// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/editcommand.h"
#include "authoring/formatbuttons.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite;

using StateList = QList<std::pair<QString, bool>>;

class tst_FormatButtons : public QObject {
    Q_OBJECT

private slots:
    void commandForKey_mapsEveryButton_data();
    void commandForKey_mapsEveryButton();
    void buttonStates_pressOnlyLatched_data();
    void buttonStates_pressOnlyLatched();
};

void tst_FormatButtons::commandForKey_mapsEveryButton_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("command");
    QTest::newRow("Bold") << u"Bold"_s << 5000;
    QTest::newRow("Italic") << u"Italic"_s << 5023;
    QTest::newRow("Underline") << u"Underline"_s << 5048;
    QTest::newRow("Left") << u"Left"_s << 5025;
    QTest::newRow("Center") << u"Center"_s << 5024;
    QTest::newRow("Right") << u"Right"_s << 5026;
    QTest::newRow("Ordered") << u"Ordered"_s << 5030;
    QTest::newRow("Unordered") << u"Unordered"_s << 5051;
    QTest::newRow("Hyperlink") << u"Hyperlink"_s << 5016;
    QTest::newRow("Image") << u"Image"_s << 5017;
    QTest::newRow("Font") << u"Font"_s << 5009;
    QTest::newRow("unknown key") << u"Strike"_s << 0;
    QTest::newRow("key in other case") << u"bold"_s << 0;
    QTest::newRow("empty key (separator)") << QString() << 0;
}

void tst_FormatButtons::commandForKey_mapsEveryButton() {
    QFETCH(QString, key);
    QFETCH(int, command);
    const std::optional<EditCommand> sent = commandForKey(key);
    QCOMPARE(sent ? int(*sent) : 0, command);
}

void tst_FormatButtons::buttonStates_pressOnlyLatched_data() {
    QTest::addColumn<QList<EditCommand>>("latched");
    QTest::addColumn<StateList>("states");

    const auto states = [](const QStringList &pressed) {
        StateList list;
        for (const QString &key : {u"Bold"_s, u"Italic"_s, u"Underline"_s, u"Left"_s, u"Center"_s,
                                   u"Right"_s, u"Ordered"_s, u"Unordered"_s})
            list.append({key, pressed.contains(key)});
        return list;
    };
    QTest::newRow("nothing latched") << QList<EditCommand>{} << states({});
    QTest::newRow("bold centred") << QList<EditCommand>{EditCommand::Bold,
                                                        EditCommand::JustifyCenter}
                                  << states({u"Bold"_s, u"Center"_s});
    QTest::newRow("list, underline, right")
        << QList<EditCommand>{EditCommand::OrderedList, EditCommand::Underline,
                              EditCommand::JustifyRight}
        << states({u"Ordered"_s, u"Underline"_s, u"Right"_s});
    QTest::newRow("everything") << QList<EditCommand>(std::begin(StatefulCommands),
                                                      std::end(StatefulCommands))
                                << states({u"Bold"_s, u"Italic"_s, u"Underline"_s, u"Left"_s,
                                           u"Center"_s, u"Right"_s, u"Ordered"_s, u"Unordered"_s});
}

void tst_FormatButtons::buttonStates_pressOnlyLatched() {
    QFETCH(QList<EditCommand>, latched);
    QFETCH(StateList, states);
    QList<int> asked;
    const auto status = [&](EditCommand command) {
        asked.append(int(command));
        // Enabled but not in force must not count as pressed.
        return latched.contains(command) ? CommandStatus::Latched : CommandStatus::Enabled;
    };
    QCOMPARE(buttonStates(status), states);
    QCOMPARE(asked, (QList<int>{5000, 5023, 5048, 5025, 5024, 5026, 5030, 5051}));
}

QTEST_APPLESS_MAIN(tst_FormatButtons)
#include "tst_formatbuttons.moc"
