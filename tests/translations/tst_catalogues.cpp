// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

const QString catalogue = QStringLiteral(QUILLSITE_SOURCE_DIR "/translations/quillsite_de.ts");

struct Message {
    QString context;
    QString source;
    QString translation;
    bool unfinished = false;
};

// The messages of a Qt Linguist catalogue, numerus forms joined.
QList<Message> readCatalogue(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name"_s) {
            context = xml.readElementText();
        } else if (xml.name() == u"message"_s) {
            messages.append(Message{context, {}, {}, false});
        } else if (xml.name() == u"source"_s) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == u"translation"_s) {
            messages.last().unfinished = xml.attributes().value(u"type"_s) == u"unfinished"_s;
            messages.last().translation =
                xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    return messages;
}

QStringList placeholders(const QString &text) {
    static const QRegularExpression placeholder(u"%[1-9n]"_s);
    QStringList found;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        found.append(match.captured());
    found.sort();
    found.removeDuplicates();
    return found;
}

bool hasShortcutKey(const QString &text) {
    static const QRegularExpression mnemonic(u"(^|[^&])&[^& ]"_s);
    return text.contains(mnemonic);
}

} // namespace

Q_DECLARE_METATYPE(Message)

// The German catalogue, brought up to date with the code as the build's
// update_translations does, and the language the programs pick.
class tst_Catalogues : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void message_isTranslatedWithItsPlaceholders_data();
    void message_isTranslatedWithItsPlaceholders();
    void commandLineBuilder_speaksTheLanguageOfTheEnvironment_data();
    void commandLineBuilder_speaksTheLanguageOfTheEnvironment();

private:
    QTemporaryDir m_folder;
    QList<Message> m_messages;
};

void tst_Catalogues::initTestCase() {
    QVERIFY(m_folder.isValid());
    const QString current = m_folder.filePath(u"quillsite_de.ts"_s);
    QVERIFY(QFile::copy(catalogue, current));
    QProcess lupdate;
    lupdate.start(QStringLiteral(QUILLSITE_LUPDATE),
                  {QStringLiteral(QUILLSITE_SOURCE_DIR "/src"), u"-ts"_s, current,
                   u"-no-obsolete"_s, u"-locations"_s, u"none"_s, u"-silent"_s});
    QVERIFY(lupdate.waitForFinished(120000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
    m_messages = readCatalogue(current);
    QVERIFY(!m_messages.isEmpty());
}

void tst_Catalogues::message_isTranslatedWithItsPlaceholders_data() {
    QTest::addColumn<Message>("message");
    for (const Message &message : std::as_const(m_messages))
        QTest::newRow(qPrintable(message.context + u": "_s + message.source.left(60))) << message;
}

void tst_Catalogues::message_isTranslatedWithItsPlaceholders() {
    QFETCH(Message, message);

    QVERIFY2(!message.unfinished && !message.translation.isEmpty(),
             "Not translated yet: run the update_translations target and translate it");
    QCOMPARE(placeholders(message.translation), placeholders(message.source));
    QCOMPARE(hasShortcutKey(message.translation), hasShortcutKey(message.source));
}

void tst_Catalogues::commandLineBuilder_speaksTheLanguageOfTheEnvironment_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");

    const QString english = u"Say where to write the site with --out DIR."_s;
    const QString german = u"Geben Sie mit --out ORDNER an, wohin die Website geschrieben wird."_s;
    QTest::newRow("German from LANGUAGE") << u"de"_s << u"C.UTF-8"_s << german;
    QTest::newRow("German from LANG") << QString() << u"de_DE.UTF-8"_s << german;
    QTest::newRow("Austrian German falls back to German") << u"de_AT"_s << QString() << german;
    QTest::newRow("LANGUAGE before LANG") << u"en"_s << u"de_DE.UTF-8"_s << english;
    QTest::newRow("no catalogue, so English") << u"fr"_s << u"fr_FR.UTF-8"_s << english;
    QTest::newRow("English") << QString() << u"en_GB.UTF-8"_s << english;
}

void tst_Catalogues::commandLineBuilder_speaksTheLanguageOfTheEnvironment() {
    QFETCH(QString, language);
    QFETCH(QString, locale);
    QFETCH(QString, expected);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &variable : {u"LC_ALL"_s, u"LC_MESSAGES"_s})
        environment.remove(variable);
    environment.insert(u"LANGUAGE"_s, language);
    environment.insert(u"LANG"_s, locale);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUILLSITE_BIN_DIR "/quillsite-build"), {u"--title"_s, u"T"_s});
    QVERIFY(program.waitForFinished(60000));

    QCOMPARE(program.exitCode(), 2);
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()).trimmed(), expected);
}

QTEST_GUILESS_MAIN(tst_Catalogues)
#include "tst_catalogues.moc"
