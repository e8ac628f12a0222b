// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/siteownership.h"

#include "builder/mediaaddress.h"
#include "builder/pageaddresses.h"
#include "builder/pagenames.h"
#include "builder/sitereader.h"
#include "builder/supportfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

const QString mediaPrefix = u"media/"_s;
const QString filesPrefix = u"files/"_s;

// The files under media/ that the pages' pictures and links lead to.
QStringList referencedMedia(const QList<SitePage> &pages, const QString &folder) {
    const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
    AddressContext context{clean, clean, {}};
    QSet<QString> media;
    for (const SitePage &page : pages) {
        if (!mayHoldAddresses(page.body))
            continue;
        for (const PageAddress &address : findPageAddresses(page.body.toUtf8())) {
            const MediaAddress target = resolveMediaAddress(address, context);
            if (target.kind != MediaAddress::Kind::InSite)
                continue;
            const QString relative = target.path.sliced(clean.size() + 1);
            if (relative.startsWith(mediaPrefix))
                media.insert(relative);
        }
    }
    return media.values();
}

// The page files that may show or link to files under media/, read whole:
// a page without "media/" in it needs no parsing, which keeps large text-only
// sites quick to rebuild.
QList<SitePage> pagesIn(const QString &folder, const QStringList &files) {
    QList<SitePage> pages;
    for (const QString &file : files) {
        QFile page(folder + u'/' + file);
        if (!page.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = page.readAll();
        if (bytes.contains(mediaPrefix.toLatin1()))
            pages.append({file, QString::fromUtf8(bytes)});
    }
    return pages;
}

void addSupportFiles(OwnedFiles &owned, const QString &templateFolder, const QString &folder) {
    if (templateFolder.isEmpty())
        return;
    const SupportFilePlan plan =
        planSupportFiles(templateFolder + u"/files"_s, folder + u"/files"_s);
    for (const QString &file : plan.files)
        owned.support.append(filesPrefix + file);
    for (const QString &subfolder : plan.folders)
        owned.supportFolders.append(filesPrefix + subfolder);
}

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

QStringList missingFrom(const QStringList &before, const QStringList &after) {
    const QSet<QString> kept(after.cbegin(), after.cend());
    QStringList unused;
    for (const QString &file : before) {
        if (!kept.contains(file))
            unused.append(file);
    }
    return sorted(unused);
}

} // namespace

OwnedFiles filesOwnedBySiteIn(const QString &folder, const QStringList &templateFolders) {
    if (!QFileInfo(folder).isDir())
        return {};
    // Without the template that built it, what stands there can't be told
    // from the user's own files.
    const std::optional<SiteMenuFiles> menu = readSiteMenuFiles(folder, templateFolders);
    if (!menu)
        return {};
    OwnedFiles owned;
    owned.pages = menu->pageFiles;
    owned.media = referencedMedia(pagesIn(folder, owned.pages), folder);
    addSupportFiles(owned, menu->templateFolder, folder);
    return owned;
}

OwnedFiles filesOwnedBy(const QList<SitePage> &pages, const QString &folder,
                        const QString &templateFolder) {
    OwnedFiles owned;
    for (const SitePage &page : pages)
        owned.pages.append(pageFileName(page.name));
    owned.media = referencedMedia(pages, folder);
    addSupportFiles(owned, templateFolder, folder);
    return owned;
}

QStringList unusedFiles(const OwnedFiles &before, const OwnedFiles &after) {
    return missingFrom(before.pages, after.pages) + missingFrom(before.media, after.media) +
           missingFrom(before.support, after.support);
}

Removal removeUnusedFiles(const QString &folder, const QStringList &files, const OwnedFiles &before,
                          const OwnedFiles &after) {
    Removal removal;
    const QString site = QFileInfo(folder).canonicalFilePath();
    for (const QString &file : files) {
        QFile unused(folder + u'/' + file);
        // Reached through a linked folder, the file would not be the site's.
        const QString parent = QFileInfo(unused.fileName()).absolutePath();
        if (QFileInfo(parent).canonicalFilePath() !=
            QDir::cleanPath(site + u'/' + QFileInfo(file).path()))
            continue;
        if (!QFileInfo(unused.fileName()).isSymLink() && !QFileInfo::exists(unused.fileName()))
            continue; // gone already
        if (unused.remove())
            removal.removed.append(file);
        else
            removal.failed.append({unused.fileName(), unused.errorString()});
    }
    // Deepest first, so that a folder emptied of its subfolders goes too.
    QStringList folders = missingFrom(before.supportFolders, after.supportFolders);
    std::sort(folders.begin(), folders.end(), std::greater<>());
    for (const QString &subfolder : std::as_const(folders))
        QDir(folder).rmdir(subfolder); // only when empty: what the user put there stays
    return removal;
}

} // namespace quillsite
