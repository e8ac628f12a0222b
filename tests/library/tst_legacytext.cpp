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

} // namespace quillsite

QTEST_GUILESS_MAIN(quillsite::TestLegacyText)
#include "tst_legacytext.moc"
