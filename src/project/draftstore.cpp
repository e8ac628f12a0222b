// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/draftstore.h"

#include "project/draftpictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QSet>
#include <QUuid>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

const QString DraftFile = u"draft.json"_s;
const QString LockFile = u".lock"_s;
const QString PicturesFolder = u"pictures"_s;

// Whether a program that runs holds the draft's lock.
bool isInUse(const QString &draftFolder) {
    QLockFile lock(draftFolder + u'/' + LockFile);
    lock.setStaleLockTime(0); // only a program that no longer runs lets go of its draft
    return !lock.tryLock(0);
}

void removeOtherPictures(const QString &folder, const QList<DraftPicture> &kept) {
    QSet<QString> copies;
    for (const DraftPicture &picture : kept)
        copies.insert(picture.copy);
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString &file : files) {
        if (!copies.contains(file))
            QFile::remove(folder + u'/' + file);
    }
}

} // namespace

DraftStore::DraftStore(const QString &stateFolder)
    : m_folder(stateFolder + u"/quillsite/drafts"_s)
    , m_asideFolder(stateFolder + u"/quillsite/unreadable-drafts"_s) {}

DraftStore::~DraftStore() = default;

QString DraftStore::folderOf(const QString &id) const {
    return m_folder + u'/' + id;
}

DraftListing DraftStore::list() {
    DraftListing listing;
    const QStringList ids = QDir(m_folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &id : ids) {
        const QString folder = folderOf(id);
        if (id == m_claimed || isInUse(folder))
            continue;
        QFile file(folder + u'/' + DraftFile);
        if (!file.exists()) {
            // Killed before its first draft was whole: there is nothing to take up.
            QDir(folder).removeRecursively();
            continue;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            moveAside(id, file.errorString(), listing);
            continue;
        }
        DraftReading reading = draftFromJson(file.readAll());
        if (!reading.draft) {
            moveAside(id, reading.problem, listing);
            continue;
        }
        reading.draft->pages =
            pagesShowingKeptPictures(*reading.draft, folder + u'/' + PicturesFolder);
        listing.drafts.append({id, std::move(*reading.draft)});
    }
    std::stable_sort(
        listing.drafts.begin(), listing.drafts.end(),
        [](const StoredDraft &a, const StoredDraft &b) { return a.draft.saved > b.draft.saved; });
    return listing;
}

void DraftStore::moveAside(const QString &id, const QString &problem, DraftListing &listing) {
    QString aside = m_asideFolder + u'/' + id;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = m_asideFolder + u'/' + id + u'-' + QString::number(n);
    const bool moved = QDir().mkpath(m_asideFolder) && QDir().rename(folderOf(id), aside);
    const QString kept = QDir::toNativeSeparators(moved ? aside : folderOf(id));
    listing.unreadable.append(
        QCoreApplication::translate(
            "DraftStore", "A draft of a website could not be read: %1. It was kept in \"%2\".")
            .arg(problem, kept));
}

bool DraftStore::claim(const QString &id) {
    if (m_claimed == id)
        return true;
    if (!QDir().mkpath(folderOf(id)))
        return false;
    auto lock = std::make_unique<QLockFile>(folderOf(id) + u'/' + LockFile);
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    m_lock = std::move(lock);
    m_claimed = id;
    return true;
}

QString DraftStore::save(const QString &id, Draft &draft) {
    const QString folder = folderOf(id);
    const QString pictures = folder + u'/' + PicturesFolder;
    if (!claim(id) || !QDir().mkpath(pictures))
        return QCoreApplication::translate("DraftStore", "Can't make the folder \"%1\".")
            .arg(QDir::toNativeSeparators(pictures));
    // The copies are in place before the draft that names them, and those it no
    // longer names go only after it is written.
    draft.pictures = keepDraftPictures(draft, pictures);
    draft.saved = QDateTime::currentDateTimeUtc();
    QSaveFile file(folder + u'/' + DraftFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(draftToJson(draft)) < 0 || !file.commit())
        return QCoreApplication::translate("DraftStore", "Can't write \"%1\": %2")
            .arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
    removeOtherPictures(pictures, draft.pictures);
    return {};
}

bool DraftStore::remove(const QString &id) {
    if (m_claimed == id) {
        m_lock.reset();
        m_claimed.clear();
    }
    return QDir(folderOf(id)).removeRecursively();
}

QString newDraftId() {
    return QDateTime::currentDateTimeUtc().toString(u"yyyyMMdd-HHmmss-"_s) +
           QUuid::createUuid().toString(QUuid::Id128).left(8);
}

} // namespace quillsite
