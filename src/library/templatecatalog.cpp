// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/templatecatalog.h"

#include "library/fileexists.h"
#include "library/inifile.h"

#include <QDir>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

const QString dataSection = u"Data"_s;

QString dataIni(const QString &templateFolder) {
    return templateFolder + u"/data.ini"_s;
}

// The picture's path when the template has it, else empty.
QString pictureIfPresent(const QString &templateFolder, const QString &fileName) {
    const QString path = templateFolder + u'/' + fileName;
    return FileExists(path) ? path : QString();
}

// Folder names without regard to case; the exact name only breaks ties, so
// the order never depends on how the system lists them.
bool folderNameLess(const QFileInfo &a, const QFileInfo &b) {
    const int order = a.fileName().compare(b.fileName(), Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a.fileName() < b.fileName();
}

} // namespace

QList<TemplateInfo> discoverTemplates(const QString &templatesFolder) {
    if (templatesFolder.isEmpty())
        return {};
    QFileInfoList folders =
        QDir(templatesFolder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    std::sort(folders.begin(), folders.end(), folderNameLess);

    QList<TemplateInfo> templates;
    for (const QFileInfo &folder : folders) {
        const QString path = folder.absoluteFilePath();
        if (!FileExists(dataIni(path)))
            continue;
        templates.append({path, ReadIniString(dataSection, u"Name"_s, dataIni(path)),
                          pictureIfPresent(path, u"screen_thumb.jpg"_s)});
    }
    return templates;
}

TemplateDetails readTemplateDetails(const QString &templateFolder) {
    const QString ini = dataIni(templateFolder);
    return {ReadIniString(dataSection, u"Author"_s, ini), ReadIniString(dataSection, u"URL"_s, ini),
            ReadIniString(dataSection, u"Description"_s, ini),
            pictureIfPresent(templateFolder, u"screen_full.jpg"_s)};
}

} // namespace quillsite
