// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchsite.h"

#include "builder/sitemenu.h"
#include "builder/templatefile.h"
#include "library/templatecatalog.h"
#include "platform/systeminfo.h"

#include <QDir>
#include <QFile>

namespace quillsite::bench {

using namespace Qt::StringLiterals;

namespace {

bool writeText(const QString &path, const QString &text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

QString writeFixtureTemplate(const QString &workFolder) {
    const QDir folder(workFolder + u"/template"_s);
    if (!folder.mkpath(u"files"_s))
        qFatal("can't create the template fixture in %s", qPrintable(folder.path()));
    const bool written =
        writeText(folder.filePath(u"data.ini"_s), u"[Data]\r\nName=Bench\r\n"_s) &&
        writeText(folder.filePath(u"main.txt"_s),
                  u"<html><head><title><!--Title--> - <!--PageName--></title>\r\n"
                  "<link rel=\"stylesheet\" href=\"files/style.css\"></head>\r\n"
                  "<body><ul>\r\n<!--MenuItems--></ul>\r\n<!--PageContent-->\r\n"
                  "<p>By <!--Author--></p></body></html>\r\n"_s) &&
        writeText(folder.filePath(u"menuitem.txt"_s),
                  u"<li><a href=\"<!--ItemPath-->\"><!--ItemName--></a></li>\r\n"_s) &&
        writeText(folder.filePath(u"files/style.css"_s), u"body { margin: 2em; }\n"_s);
    if (!written)
        qFatal("can't write the template fixture in %s", qPrintable(folder.path()));
    return folder.path();
}

QString pageBody(int number) {
    static const QString paragraph =
        u"<p>Our little garden club meets every <b>second Saturday</b> of the month in the old "
        "school hall. We share seeds, cuttings and advice, and now and then a cake or two. "
        "Newcomers are always welcome &mdash; bring a friend, a question or a plant you "
        "can&rsquo;t name, and we will try to help. Caf\u00e9 au lait is on the house.</p>\r\n"_s;
    QString body = u"<h1>Page %1</h1>\r\n"_s.arg(number);
    while (body.size() < 4000)
        body += paragraph;
    return body;
}

} // namespace

QString benchTemplate(const QString &workFolder) {
    const QList<TemplateInfo> bundled = discoverTemplates(programDataFolder() + u"/templates"_s);
    if (!bundled.isEmpty())
        return bundled.first().folder;
    return writeFixtureTemplate(workFolder);
}

Website benchWebsite(const QString &templateFolder, int pageCount) {
    Website site;
    site.templateFolder = templateFolder;
    site.title = u"Garden Club"_s;
    site.author = u"Ann Example"_s;
    for (int i = 1; i <= pageCount; ++i)
        site.pages.append(
            {i == 1 ? u"Home"_s : u"Page %1"_s.arg(i, 4, 10, QChar(u'0')), pageBody(i)});
    return site;
}

qint64 menuBytes(const Website &site) {
    const TemplateText fragment = readTemplateFile(site.templateFolder, u"menuitem.txt"_s);
    return buildMenu(fragment.text, site.pages, fragment.encoding).size();
}

} // namespace quillsite::bench
