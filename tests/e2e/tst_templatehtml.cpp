// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The pages that the bundled templates produce, and the ready-made pages
// themselves, are valid HTML by the Nu Html Checker.

#include "sitefixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite::e2e;

class TestTemplateHtml final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void builtPages_areValidHtml_data();
    void builtPages_areValidHtml();
    void readyMadePageFiles_areValidHtml();
    void invalidPage_isReported();

private:
    // Builds the pages into a site of its own; its page files, or none on failure.
    QStringList builtPages(const QString &siteName, const QString &templateFolder,
                           const QList<PageSource> &pages);

    QTemporaryDir m_sites;
};

void TestTemplateHtml::initTestCase() {
    if (const QString missing = htmlCheckerMissing(); !missing.isEmpty())
        QSKIP(qPrintable(missing));
    QVERIFY2(QFileInfo(builderPath()).isExecutable(),
             qPrintable(u"quillsite-build is missing: "_s + builderPath()));
    QVERIFY(m_sites.isValid());
}

QStringList TestTemplateHtml::builtPages(const QString &siteName, const QString &templateFolder,
                                         const QList<PageSource> &pages) {
    const QDir site(m_sites.filePath(siteName));
    const QString problem = buildSite(templateFolder, site.path(), pages);
    if (!problem.isEmpty()) {
        qWarning().noquote() << problem;
        return {};
    }
    QStringList files;
    for (const QString &name : site.entryList({u"*.htm"_s}, QDir::Files, QDir::Name))
        files.append(site.filePath(name));
    return files;
}

void TestTemplateHtml::builtPages_areValidHtml_data() {
    QTest::addColumn<QString>("templateFolder");
    QTest::addColumn<QList<PageSource>>("pages");
    for (const QString &folder : bundledTemplates()) {
        const QByteArray name = QFileInfo(folder).fileName().toUtf8();
        QTest::addRow("%s with awkwardly named pages", name.constData())
            << folder << awkwardlyNamedPages();
        QTest::addRow("%s with the ready-made pages", name.constData())
            << folder << readyMadePages();
    }
}

void TestTemplateHtml::builtPages_areValidHtml() {
    QFETCH(QString, templateFolder);
    QFETCH(QList<PageSource>, pages);
    const QStringList files =
        builtPages(QString::fromUtf8(QTest::currentDataTag()), templateFolder, pages);
    QCOMPARE(files.size(), pages.size());
    const QString complaints = htmlCheckerErrors(files);
    QVERIFY2(complaints.trimmed().isEmpty(), qPrintable(complaints));
}

void TestTemplateHtml::readyMadePageFiles_areValidHtml() {
    QStringList files;
    for (const PageSource &page : readyMadePages().mid(1))
        files.append(page.file);
    QVERIFY2(!files.isEmpty(), "no ready-made page beside the programs");
    const QString complaints = htmlCheckerErrors(files);
    QVERIFY2(complaints.isEmpty(), qPrintable(complaints));
}

// A list item outside any list is an error the checker must name, or the
// checks above prove nothing.
void TestTemplateHtml::invalidPage_isReported() {
    QTemporaryDir pages;
    QVERIFY(pages.isValid());
    QFile stray(pages.filePath(u"stray.htm"_s));
    QVERIFY(stray.open(QIODevice::WriteOnly));
    stray.write("<!DOCTYPE html>\n<html><head><title>x</title></head>"
                "<body><li>stray item</li></body></html>\n");
    stray.close();

    const QStringList files =
        builtPages(u"stray"_s, bundledTemplates().first(), {{u"Home"_s, stray.fileName()}});
    QCOMPARE(files.size(), 1);
    const QString complaints = htmlCheckerErrors(files);
    QVERIFY2(complaints.contains(u"Element “li” not allowed"_s), qPrintable(complaints));
}

QTEST_GUILESS_MAIN(TestTemplateHtml)
#include "tst_templatehtml.moc"
