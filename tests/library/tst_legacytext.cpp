// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/legacytext.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace quillsite {

class TestLegacyText : public QObject {
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void toWindows1252Html_data();
    void toWindows1252Html();
    void everyByte_roundTrips();
    void keptBytes_roundTrip_data();
    void keptBytes_roundTrip();
};

void TestLegacyText::decode_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("legacy");

    QTest::newRow("empty") << QByteArray() << QString() << false;
    QTest::newRow("ASCII") << QByteArray("<p>Hi</p>") << u"<p>Hi</p>"_s << false;
    QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9 \xf0\x9f\x98\x80") << u"café 😀"_s << false;
    QTest::newRow("byte order mark dropped") << QByteArray("\xef\xbb\xbfok") << u"ok"_s << false;
    QTest::newRow("Windows-1252 letters") << QByteArray("caf\xe9") << u"café"_s << true;
    QTest::newRow("Windows-1252 punctuation")
        << QByteArray("\x93quoted\x94 \x96 \x80") << u"“quoted” – €"_s << true;
    QTest::newRow("unassigned byte kept as control")
        << QByteArray("a\x81z") << u"a\u0081z"_s << true;
    QTest::newRow("cut-off UTF-8 sequence at the end")
        << QByteArray("ok\xc3") << u"ok\u00c3"_s << true;
}

void TestLegacyText::decode() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, legacy);

    const DecodedText decoded = decodeTemplateText(bytes);
    QCOMPARE(decoded.text, text);
    QCOMPARE(decoded.encoding == TextEncoding::Windows1252, legacy);
}

void TestLegacyText::toWindows1252Html_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("ASCII") << u"<b>x</b>"_s << QByteArray("<b>x</b>");
    QTest::newRow("Latin-1 letter") << u"é"_s << QByteArray("\xe9");
    QTest::newRow("euro sign") << u"€"_s << QByteArray("\x80");
    QTest::newRow("Greek letter as reference") << u"a\u03a9b"_s << QByteArray("a&#937;b");
    QTest::newRow("emoji as one reference") << u"😀"_s << QByteArray("&#128512;");
    QTest::newRow("unassigned byte's control") << u"\u0081"_s << QByteArray("\x81");
}

void TestLegacyText::toWindows1252Html() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);

    QCOMPARE(quillsite::toWindows1252Html(text), bytes);
    QCOMPARE(encodeText(text, TextEncoding::Windows1252), bytes);
}

void TestLegacyText::everyByte_roundTrips() {
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all += char(byte);
    QCOMPARE(quillsite::toWindows1252Html(fromWindows1252(all)), all);
}

void TestLegacyText::keptBytes_roundTrip_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");

    const auto kept = [](uchar byte) {
        return QString(QChar(char16_t(0xdc00 + byte)));
    };
    QTest::newRow("valid UTF-8") << QByteArray("Gr\xc3\xbc\xc3\x9f"
                                               "e \xf0\x9f\x98\x80")
                                 << u"Grüße 😀"_s << true;
    QTest::newRow("a Windows-1252 letter among UTF-8")
        << QByteArray("\xc3\xbc \xfc") << u"ü "_s + kept(0xfc) << false;
    QTest::newRow("cut-off sequence at the end")
        << QByteArray("a\xe2\x82") << u"a"_s + kept(0xe2) + kept(0x82) << false;
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << kept(0xc0) + kept(0xaf) << false;
    QTest::newRow("encoded surrogate")
        << QByteArray("\xed\xa0\x80") << kept(0xed) + kept(0xa0) + kept(0x80) << false;
    QTest::newRow("beyond the last code point")
        << QByteArray("\xf4\x90\x80\x80x")
        << kept(0xf4) + kept(0x90) + kept(0x80) + kept(0x80) + u"x"_s << false;
    QTest::newRow("kept byte after a character beyond the first plane")
        << QByteArray("\xf0\x9f\x98\x80\xff") << u"😀"_s + kept(0xff) << false;
    QTest::newRow("kept byte far into a text")
        << QByteArray(100, 'a') + "\xff" + QByteArray(30, 'b')
        << QString(100, u'a') + kept(0xff) + QString(30, u'b') << false;
    // U+10080 is held as the surrogates D800 DC80, the second of which alone
    // would be a kept byte. After one letter, pairs straddle every even place.
    QTest::newRow("characters whose second surrogate looks like a kept byte")
        << "a" + QByteArray("\xf0\x90\x82\x80").repeated(40)
        << u"a"_s + u"\U00010080"_s.repeated(40) << true;
    QTest::newRow("byte order mark after a kept byte")
        << QByteArray("\xef\xef\xbb\xbfPl") << kept(0xef) + u"\ufeffPl"_s << false;
}

// Bytes that are not UTF-8 survive being read and written again.
void TestLegacyText::keptBytes_roundTrip() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, valid);

    QCOMPARE(isValidUtf8(bytes), valid);
    QCOMPARE(fromUtf8KeepingBytes(bytes), text);
    QCOMPARE(encodeText(text, TextEncoding::Utf8), bytes);
}

} // namespace quillsite

QTEST_GUILESS_MAIN(quillsite::TestLegacyText)
#include "tst_legacytext.moc"
