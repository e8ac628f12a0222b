// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/draftpictures.h"

#include "builder/mediaaddress.h"
#include "builder/pageaddresses.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QUrl>

#include <functional>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

// Calls `found` with each local picture the page shows, by its clean absolute
// path, and the address as it stands in the page's markup.
void forEachPicture(const DraftPage &page, const QString &destination,
                    const std::function<void(const QString &, const PageAddress &)> &found) {
    if (!mayHoldAddresses(page.body))
        return;
    const AddressContext context{page.sourceFolder, destination, {}};
    for (const PageAddress &address : findPageAddresses(page.body.toUtf8())) {
        if (address.kind != PageAddress::Kind::Picture)
            continue;
        const MediaAddress media = resolveMediaAddress(address, context);
        if (media.kind == MediaAddress::Kind::File || media.kind == MediaAddress::Kind::InSite ||
            media.kind == MediaAddress::Kind::Missing)
            found(media.path, address);
    }
}

// The copy's name: the same for the same file unchanged, another once it changes.
QString copyName(const QFileInfo &original) {
    const QByteArray key = original.absoluteFilePath().toUtf8() + '\n' +
                           QByteArray::number(original.size()) + '\n' +
                           QByteArray::number(original.lastModified().toMSecsSinceEpoch());
    const QString hash =
        QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex());
    const QString suffix = original.suffix().toLower();
    return hash.left(32) + (suffix.isEmpty() ? QString() : u'.' + suffix);
}

// Copies `original` to `copy` by way of a temporary file, so that a copy
// cut short never stands under the copy's name.
bool copyWhole(const QString &original, const QString &copy) {
    const QString temporary = copy + u".part"_s;
    QFile::remove(temporary);
    return QFile::copy(original, temporary) && QFile::rename(temporary, copy);
}

} // namespace

QList<DraftPicture> keepDraftPictures(const Draft &draft, const QString &folder) {
    QList<DraftPicture> kept;
    QHash<QString, QString> copies; // original -> copy, each picture once
    // A picture gone since an earlier save keeps the copy made then.
    QHash<QString, QString> earlier;
    for (const DraftPicture &picture : draft.pictures)
        earlier.insert(picture.original, picture.copy);
    for (const DraftPage &page : draft.pages) {
        forEachPicture(page, draft.destination, [&](const QString &path, const PageAddress &) {
            if (copies.contains(path))
                return;
            const QFileInfo original(path);
            QString copy;
            if (original.absolutePath() == QDir::cleanPath(folder)) {
                copy = original.fileName(); // a page taken up again shows the copy itself
            } else if (original.isFile()) {
                copy = copyName(original);
                if (!QFileInfo::exists(folder + u'/' + copy) &&
                    !copyWhole(path, folder + u'/' + copy))
                    copy.clear();
            } else if (const QString before = earlier.value(path);
                       !before.isEmpty() && QFileInfo::exists(folder + u'/' + before)) {
                copy = before;
            }
            copies.insert(path, copy);
            if (!copy.isEmpty())
                kept.append({path, copy});
        });
    }
    return kept;
}

QList<DraftPage> pagesShowingKeptPictures(const Draft &draft, const QString &folder) {
    QHash<QString, QString> copies;
    for (const DraftPicture &picture : draft.pictures) {
        if (!QFileInfo(picture.original).isFile())
            copies.insert(picture.original, picture.copy);
    }
    QList<DraftPage> pages = draft.pages;
    if (copies.isEmpty())
        return pages;
    for (DraftPage &page : pages) {
        QList<BodyEdit> edits;
        forEachPicture(page, draft.destination, [&](const QString &path, const PageAddress &at) {
            if (const QString copy = copies.value(path); !copy.isEmpty()) {
                const QUrl url = QUrl::fromLocalFile(folder + u'/' + copy);
                edits.append(
                    {at.valueStart, at.valueEnd, '"' + url.toEncoded(QUrl::FullyEncoded) + '"'});
            }
        });
        if (!edits.isEmpty())
            page.body = QString::fromUtf8(applyBodyEdits(page.body.toUtf8(), edits));
    }
    return pages;
}

} // namespace quillsite
