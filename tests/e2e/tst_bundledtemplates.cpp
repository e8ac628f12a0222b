// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The templates shipped with the program are complete: every value the
// chooser shows, every placeholder the builder fills, and pictures of the
// sizes the chooser is laid out for.

#include "library/inifile.h"
#include "sitefixture.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStringDecoder>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite;
using namespace quillsite::e2e;

namespace {

QByteArray contentOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestBundledTemplates final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void dataIni_hasEveryDetail_data();
    void dataIni_hasEveryDetail();
    void skeletonFiles_holdTheirPlaceholders_data();
    void skeletonFiles_holdTheirPlaceholders();
    void skeletonFiles_areUtf8WithCrLf_data();
    void skeletonFiles_areUtf8WithCrLf();
    void screenshots_haveTheChooserSizes_data();
    void screenshots_haveTheChooserSizes();
    void styleSheet_isShipped_data();
    void styleSheet_isShipped();

private:
    static void addTemplateRows();
};

void TestBundledTemplates::initTestCase() {
    QVERIFY2(bundledTemplates().size() >= 3, "fewer than three bundled templates");
}

void TestBundledTemplates::addTemplateRows() {
    QTest::addColumn<QString>("folder");
    for (const QString &folder : bundledTemplates())
        QTest::newRow(qPrintable(QFileInfo(folder).fileName())) << folder;
}

void TestBundledTemplates::dataIni_hasEveryDetail_data() {
    addTemplateRows();
}

void TestBundledTemplates::dataIni_hasEveryDetail() {
    QFETCH(QString, folder);
    const QString ini = folder + u"/data.ini"_s;
    QVERIFY(!ReadIniString(u"Data"_s, u"Name"_s, ini).isEmpty());
    QVERIFY(!ReadIniString(u"Data"_s, u"Author"_s, ini).isEmpty());
    QVERIFY(ReadIniString(u"Data"_s, u"URL"_s, ini).startsWith(u"https://"_s));
    const QString description = ReadIniString(u"Data"_s, u"Description"_s, ini);
    QVERIFY(!description.isEmpty());
    // Longer descriptions don't fit the chooser's label.
    QVERIFY2(description.size() <= 60, qPrintable(description));
}

void TestBundledTemplates::skeletonFiles_holdTheirPlaceholders_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("placeholders");
    const QStringList page{u"<!--Title-->"_s, u"<!--Author-->"_s, u"<!--MenuItems-->"_s,
                           u"<!--PageName-->"_s, u"<!--PageContent-->"_s};
    const QStringList item{u"<!--ItemName-->"_s, u"<!--ItemPath-->"_s};
    for (const QString &folder : bundledTemplates()) {
        const QString name = QFileInfo(folder).fileName();
        QTest::addRow("%s main.txt", qPrintable(name)) << folder + u"/main.txt"_s << page;
        QTest::addRow("%s menuitem.txt", qPrintable(name)) << folder + u"/menuitem.txt"_s << item;
    }
}

void TestBundledTemplates::skeletonFiles_holdTheirPlaceholders() {
    QFETCH(QString, file);
    QFETCH(QStringList, placeholders);
    const QString text = QString::fromUtf8(contentOf(file));
    for (const QString &placeholder : placeholders)
        QVERIFY2(text.contains(placeholder), qPrintable(placeholder + u" is missing"_s));
}

void TestBundledTemplates::skeletonFiles_areUtf8WithCrLf_data() {
    QTest::addColumn<QString>("file");
    for (const QString &folder : bundledTemplates()) {
        const QString name = QFileInfo(folder).fileName();
        QTest::addRow("%s main.txt", qPrintable(name)) << folder + u"/main.txt"_s;
        QTest::addRow("%s menuitem.txt", qPrintable(name)) << folder + u"/menuitem.txt"_s;
    }
}

void TestBundledTemplates::skeletonFiles_areUtf8WithCrLf() {
    QFETCH(QString, file);
    const QByteArray bytes = contentOf(file);
    QVERIFY(!bytes.isEmpty());
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    QVERIFY(!utf8.hasError());
    QVERIFY(!text.contains(QChar::ReplacementCharacter));
}

void TestBundledTemplates::screenshots_haveTheChooserSizes_data() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QSize>("size");
    for (const QString &folder : bundledTemplates()) {
        const QString name = QFileInfo(folder).fileName();
        QTest::addRow("%s thumbnail", qPrintable(name))
            << folder + u"/screen_thumb.jpg"_s << QSize(80, 80);
        QTest::addRow("%s preview", qPrintable(name))
            << folder + u"/screen_full.jpg"_s << QSize(190, 190);
    }
}

void TestBundledTemplates::screenshots_haveTheChooserSizes() {
    QFETCH(QString, picture);
    QFETCH(QSize, size);
    QImageReader reader(picture);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    QCOMPARE(reader.size(), size);
    QVERIFY2(!reader.read().isNull(), qPrintable(reader.errorString()));
}

void TestBundledTemplates::styleSheet_isShipped_data() {
    addTemplateRows();
}

void TestBundledTemplates::styleSheet_isShipped() {
    QFETCH(QString, folder);
    QVERIFY(contentOf(folder + u"/main.txt"_s).contains("href=\"files/style.css\""));
    QVERIFY(QFileInfo::exists(folder + u"/files/style.css"_s));
}

QTEST_GUILESS_MAIN(TestBundledTemplates)
#include "tst_bundledtemplates.moc"
