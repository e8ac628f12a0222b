// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publish/versionstore.h"

#include "publish/manifest.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translation catalogues.
struct VersionText {
    Q_DECLARE_TR_FUNCTIONS(VersionText)
};

QString placeKey(const QString &place) {
    return QString::fromLatin1(
        QCryptographicHash::hash(place.toUtf8(), QCryptographicHash::Sha256).toHex().left(20));
}

Manifest manifestOf(const QList<SiteFile> &site) {
    Manifest manifest;
    for (const SiteFile &file : site)
        manifest.files.insert(file.path, {file.path, file.size, file.sha256});
    return manifest;
}

// Copies a file into the store under a temporary name, renamed once whole. Not forced to disk
// file by file, which would take seconds for a large site: the version record written after
// them is, and a copy that a crash spoiled is found by its size or hash.
bool copyObject(const QString &from, const QString &object) {
    QFile source(from);
    const QString partial = object + u".part"_s;
    QFile::remove(partial);
    QFile target(partial);
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly))
        return false;
    QByteArray buffer(1024 * 1024, Qt::Uninitialized);
    for (qint64 count; (count = source.read(buffer.data(), buffer.size())) != 0;) {
        if (count < 0 || target.write(buffer.constData(), count) != count)
            return false;
    }
    target.close();
    return target.error() == QFileDevice::NoError &&
           std::rename(QFile::encodeName(partial).constData(),
                       QFile::encodeName(object).constData()) == 0;
}

bool sameFiles(const Manifest &a, const Manifest &b) {
    if (a.files.size() != b.files.size())
        return false;
    for (const ManifestEntry &entry : a.files) {
        const auto other = b.files.constFind(entry.path);
        if (other == b.files.cend() || other->sha256 != entry.sha256)
            return false;
    }
    return true;
}

} // namespace

VersionStore::VersionStore(const QString &root, const QString &place)
    : m_root(root)
    , m_folder(root + u'/' + placeKey(place)) {}

QString VersionStore::defaultRoot() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           u"/quillsite/versions"_s;
}

QString VersionStore::objectPath(const QString &sha256) const {
    return m_root + u"/objects/"_s + sha256.left(2) + u'/' + sha256;
}

QStringList VersionStore::versionFiles() const {
    QStringList files = QDir(m_folder).entryList({u"*.json"_s}, QDir::Files, QDir::Name);
    for (QString &file : files)
        file = m_folder + u'/' + file;
    return files;
}

int VersionStore::count() const {
    return int(versionFiles().size());
}

std::optional<QList<SiteFile>> VersionStore::load(const QString &versionFile, bool verify) const {
    QFile file(versionFile);
    QString error;
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::optional<Manifest> manifest = readManifest(file.read(manifestSizeLimit), {}, &error);
    if (!manifest)
        return std::nullopt;
    QList<SiteFile> site;
    for (const ManifestEntry &entry : manifest->files) {
        const QString object = objectPath(entry.sha256);
        if (entry.sha256.isEmpty() || !QFile::exists(object) ||
            (verify && fileSha256(object) != entry.sha256))
            return std::nullopt;
        site.append({entry.path, entry.size, entry.sha256, objectPath(entry.sha256)});
    }
    return site;
}

bool VersionStore::storeFiles(const QList<SiteFile> &site, QString *error) const {
    for (const SiteFile &file : site) {
        const QString object = objectPath(file.sha256);
        // One that a crash left short is made again; one that is wrong in another way is found
        // when it would be published again.
        if (QFileInfo(object).size() == file.size)
            continue;
        QDir().mkpath(QFileInfo(object).path());
        if (!copyObject(file.localFile, object)) {
            *error =
                VersionText::tr("Cannot keep a copy of %1 for undoing the publish.").arg(file.path);
            return false;
        }
    }
    return true;
}

bool VersionStore::isNewest(const QList<SiteFile> &site) const {
    const QStringList versions = versionFiles();
    if (versions.isEmpty())
        return false;
    const std::optional<QList<SiteFile>> newest = load(versions.last(), false);
    return newest && sameFiles(manifestOf(*newest), manifestOf(site));
}

bool VersionStore::record(const QList<SiteFile> &site, QString *error) {
    if (isNewest(site))
        return true;
    const Manifest manifest = manifestOf(site);
    const QStringList versions = versionFiles();
    if (!storeFiles(site, error))
        return false;
    const int number = versions.isEmpty() ? 1 : QFileInfo(versions.last()).baseName().toInt() + 1;
    QDir().mkpath(m_folder);
    QSaveFile file(m_folder + u'/' + u"%1.json"_s.arg(number, 8, 10, QChar(u'0')));
    if (!file.open(QIODevice::WriteOnly) || file.write(writeManifest(manifest)) < 0 ||
        !file.commit()) {
        *error = VersionText::tr("Cannot keep a record of the publish: %1").arg(file.errorString());
        return false;
    }
    // Only a version that goes can leave copies unused.
    const QStringList all = versionFiles();
    if (all.size() <= kept)
        return true;
    for (qsizetype i = 0; i + kept < all.size(); ++i)
        QFile::remove(all.at(i));
    collectGarbage();
    return true;
}

std::optional<QList<SiteFile>> VersionStore::previous(QString *error) const {
    const QStringList versions = versionFiles();
    if (versions.size() < 2) {
        *error = VersionText::tr("There is no earlier publish to this place to go back to.");
        return std::nullopt;
    }
    std::optional<QList<SiteFile>> site = load(versions.at(versions.size() - 2), true);
    if (!site)
        *error = VersionText::tr(
            "The copy of the earlier publish is damaged; it can't be published again.");
    return site;
}

void VersionStore::dropNewest() {
    const QStringList versions = versionFiles();
    if (versions.isEmpty())
        return;
    QFile::remove(versions.last());
    collectGarbage();
}

void VersionStore::collectGarbage() const {
    QSet<QString> used;
    QDirIterator places(m_root, {u"*.json"_s}, QDir::Files, QDirIterator::Subdirectories);
    while (places.hasNext()) {
        QFile file(places.next());
        QString error;
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const std::optional<Manifest> manifest =
            readManifest(file.read(manifestSizeLimit), {}, &error);
        if (!manifest)
            return; // keep every file rather than lose one a damaged record still needs
        for (const ManifestEntry &entry : manifest->files)
            used.insert(entry.sha256);
    }
    QDirIterator objects(m_root + u"/objects"_s, QDir::Files, QDirIterator::Subdirectories);
    while (objects.hasNext()) {
        const QFileInfo object = objects.nextFileInfo();
        if (!used.contains(object.fileName()))
            QFile::remove(object.filePath());
    }
}

} // namespace quillsite
