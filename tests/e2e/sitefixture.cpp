// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sitefixture.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace quillsite::e2e {

namespace {

QString demoPage(const QString &fileName) {
    return QStringLiteral(QUILLSITE_SOURCE_DIR) + u"/tools/demo-site/"_s + fileName;
}

QString htmlChecker() {
    return QStringLiteral(QUILLSITE_SOURCE_DIR) + u"/node_modules/vnu-jar/build/dist/vnu.jar"_s;
}

} // namespace

QStringList bundledTemplates() {
    const QDir templates(QStringLiteral(QUILLSITE_BIN_DIR) + u"/templates"_s);
    QStringList folders;
    const QStringList names = templates.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &name : names) {
        if (QFileInfo::exists(templates.filePath(name) + u"/data.ini"_s))
            folders.append(templates.filePath(name));
    }
    return folders;
}

QList<PageSource> awkwardlyNamedPages() {
    return {
        {u"Home"_s, demoPage(u"Home.htm"_s)},
        {u"About Me"_s, demoPage(u"About Me.htm"_s)},
        {u"Q&A #1"_s, demoPage(u"Journal.htm"_s)},
        {u"Why?"_s, demoPage(u"Contact.htm"_s)},
        {u"Café Über"_s, QStringLiteral(QUILLSITE_SOURCE_DIR) + u"/share/pages/News.htm"_s},
    };
}

QList<PageSource> readyMadePages() {
    QList<PageSource> pages{{u"Home"_s, demoPage(u"Home.htm"_s)}};
    const QDir folder(QStringLiteral(QUILLSITE_BIN_DIR) + u"/pages"_s);
    const QFileInfoList files =
        folder.entryInfoList({u"*.htm"_s, u"*.html"_s}, QDir::Files, QDir::Name);
    for (const QFileInfo &file : files)
        pages.append({file.completeBaseName(), file.filePath()});
    return pages;
}

QList<PageSource> twelvePages() {
    const QStringList names{u"Recipes"_s,  u"Seedlings"_s, u"Compost"_s,    u"Visiting Hours"_s,
                            u"Harvest"_s,  u"Orchard"_s,   u"Greenhouse"_s, u"Tools"_s,
                            u"Calendar"_s, u"Friends"_s};
    QList<PageSource> pages = readyMadePages().mid(0, 11);
    for (qsizetype i = 0; pages.size() < 11; ++i)
        pages.append({names[i], demoPage(u"Journal.htm"_s)});
    pages.append({u"Photographs"_s,
                  QStringLiteral(QUILLSITE_SOURCE_DIR) + u"/tests/e2e/pages/Photographs.htm"_s});
    return pages;
}

QString builderPath() {
    return QStringLiteral(QUILLSITE_BIN_DIR) + u"/quillsite-build"_s;
}

QString buildSite(const QString &templateFolder, const QString &destination,
                  const QList<PageSource> &pages) {
    QStringList arguments{u"--out"_s,   destination,        u"--template"_s, templateFolder,
                          u"--title"_s, u"Café & Garden"_s, u"--author"_s,   u"Zoë Ångström"_s};
    for (const PageSource &page : pages)
        arguments << u"--page"_s << page.name + u'=' + page.file;

    QProcess builder;
    builder.setProcessChannelMode(QProcess::MergedChannels);
    builder.start(builderPath(), arguments);
    if (!builder.waitForFinished(60000))
        return u"quillsite-build did not finish: "_s + builder.errorString();
    const QString said = QString::fromUtf8(builder.readAll());
    if (builder.exitStatus() != QProcess::NormalExit || builder.exitCode() != 0)
        return u"quillsite-build failed (exit code %1):\n"_s.arg(builder.exitCode()) + said;
    return {};
}

QString htmlCheckerMissing() {
    if (QStandardPaths::findExecutable(u"java"_s).isEmpty())
        return u"Java is not installed (scripts/setup.sh installs it)"_s;
    if (!QFileInfo::exists(htmlChecker()))
        return u"The HTML checker (npm package vnu-jar) is not installed (scripts/setup.sh "
               "installs it)"_s;
    return {};
}

QString htmlCheckerErrors(const QStringList &files) {
    QProcess checker;
    checker.setProcessChannelMode(QProcess::MergedChannels);
    checker.start(QStandardPaths::findExecutable(u"java"_s),
                  QStringList{u"-jar"_s, htmlChecker(), u"--errors-only"_s} + files);
    if (!checker.waitForFinished(180000))
        return u"the checker did not finish: "_s + checker.errorString();
    const QString said = QString::fromUtf8(checker.readAll());
    if (checker.exitCode() != 0 && said.isEmpty())
        return u"the checker failed with exit code %1"_s.arg(checker.exitCode());
    return said;
}

} // namespace quillsite::e2e
