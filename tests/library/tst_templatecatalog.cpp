// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/templatecatalog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace quillsite {

class TestTemplateCatalog : public QObject {
    Q_OBJECT

private slots:
    void init();
    void discover_listsFoldersWithDataIni();
    void discover_ordersWithoutRegardToCase();
    void discover_listsSameNameTwice();
    void discover_skipsNestedTemplate();
    void discover_emptyDataIniStillTemplate();
    void discover_missingFolderGivesNothing();
    void details_readFromDataIni();
    void details_missingPreviewAndKeys();

private:
    QString makeTemplate(const QString &folder, const QByteArray &dataIni,
                         const QStringList &extraFiles = {});

    std::unique_ptr<QTemporaryDir> m_dir;
};

QString TestTemplateCatalog::makeTemplate(const QString &folder, const QByteArray &dataIni,
                                          const QStringList &extraFiles) {
    const QString path = m_dir->filePath(folder);
    if (!QDir().mkpath(path))
        qFatal("cannot make a template folder");
    QFile ini(path + u"/data.ini"_s);
    if (!ini.open(QIODevice::WriteOnly) || ini.write(dataIni) < 0)
        qFatal("cannot write data.ini");
    for (const QString &name : extraFiles) {
        QFile file(path + u'/' + name);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write a template file");
    }
    return path;
}

void TestTemplateCatalog::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestTemplateCatalog::discover_listsFoldersWithDataIni() {
    const QString blue =
        makeTemplate(u"Blue"_s, "[Data]\nName=Blue Sky\n", {u"screen_thumb.jpg"_s});
    const QString green = makeTemplate(u"Green"_s, "[Data]\nName=Green Field\n");
    QVERIFY(QDir(m_dir->path()).mkpath(u"Scratch/files"_s));

    const QList<TemplateInfo> templates = discoverTemplates(m_dir->path());
    QCOMPARE(templates.size(), 2);
    QCOMPARE(templates[0].folder, blue);
    QCOMPARE(templates[0].name, u"Blue Sky"_s);
    QCOMPARE(templates[0].thumbnailPath, blue + u"/screen_thumb.jpg"_s);
    QCOMPARE(templates[1].folder, green);
    QCOMPARE(templates[1].name, u"Green Field"_s);
    QCOMPARE(templates[1].thumbnailPath, QString());
}

void TestTemplateCatalog::discover_ordersWithoutRegardToCase() {
    makeTemplate(u"beta"_s, "[Data]\nName=b\n");
    makeTemplate(u"Alpha"_s, "[Data]\nName=A\n");
    makeTemplate(u"Gamma"_s, "[Data]\nName=G\n");
    makeTemplate(u"alpha"_s, "[Data]\nName=a\n");

    QStringList names;
    for (const TemplateInfo &info : discoverTemplates(m_dir->path()))
        names.append(info.name);
    QCOMPARE(names, (QStringList{u"A"_s, u"a"_s, u"b"_s, u"G"_s}));
}

void TestTemplateCatalog::discover_listsSameNameTwice() {
    const QString one = makeTemplate(u"One"_s, "[Data]\nName=Same\n");
    const QString two = makeTemplate(u"Two"_s, "[Data]\nName=Same\n");

    const QList<TemplateInfo> templates = discoverTemplates(m_dir->path());
    QCOMPARE(templates.size(), 2);
    QCOMPARE(templates[0].folder, one);
    QCOMPARE(templates[1].folder, two);
    QCOMPARE(templates[1].name, u"Same"_s);
}

void TestTemplateCatalog::discover_skipsNestedTemplate() {
    makeTemplate(u"Group/Nested"_s, "[Data]\nName=Nested\n");
    QVERIFY(discoverTemplates(m_dir->path()).isEmpty());
}

void TestTemplateCatalog::discover_emptyDataIniStillTemplate() {
    const QString plain = makeTemplate(u"Plain"_s, QByteArray());
    const QList<TemplateInfo> templates = discoverTemplates(m_dir->path());
    QCOMPARE(templates.size(), 1);
    QCOMPARE(templates[0].folder, plain);
    QCOMPARE(templates[0].name, QString());
}

void TestTemplateCatalog::discover_missingFolderGivesNothing() {
    QVERIFY(discoverTemplates(m_dir->filePath(u"none"_s)).isEmpty());
    QVERIFY(discoverTemplates(QString()).isEmpty());
}

void TestTemplateCatalog::details_readFromDataIni() {
    const QString path = makeTemplate(u"Blue"_s,
                                      "[data]\nauthor=Ann Lee\nURL = \"https://blue.example\"\n"
                                      "Description=A calm blue design.\n",
                                      {u"screen_full.jpg"_s});
    const TemplateDetails details = readTemplateDetails(path);
    QCOMPARE(details.author, u"Ann Lee"_s);
    QCOMPARE(details.url, u"https://blue.example"_s);
    QCOMPARE(details.description, u"A calm blue design."_s);
    QCOMPARE(details.previewPath, path + u"/screen_full.jpg"_s);
}

void TestTemplateCatalog::details_missingPreviewAndKeys() {
    const QString path = makeTemplate(u"Green"_s, "[Data]\nName=Green\n");
    const TemplateDetails details = readTemplateDetails(path);
    QCOMPARE(details.author, QString());
    QCOMPARE(details.url, QString());
    QCOMPARE(details.description, QString());
    QCOMPARE(details.previewPath, QString());
}

} // namespace quillsite

QTEST_GUILESS_MAIN(quillsite::TestTemplateCatalog)
#include "tst_templatecatalog.moc"
