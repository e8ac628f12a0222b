// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "publish/sitefile.h"

#include <optional>

namespace quillsite {

// The last versions published to one place, kept on this computer so that a
// publish can be undone. Files are stored by their SHA-256, once however many
// versions (or places) share them.
class VersionStore final {
public:
    static constexpr int kept = 5;

    // root holds the stored files and one folder of versions per place.
    VersionStore(const QString &root, const QString &place);

    // The folder in the user's data folder.
    static QString defaultRoot();

    // Copies the site's files into the store, where they are not yet; record() does it too,
    // but it may go on beforehand, while the site is being published.
    bool storeFiles(const QList<SiteFile> &site, QString *error) const;
    // Whether the newest version recorded is the site, each of its files kept here.
    bool isNewest(const QList<SiteFile> &site) const;
    bool record(const QList<SiteFile> &site, QString *error);
    // The version before the newest, its files here in the store.
    std::optional<QList<SiteFile>> previous(QString *error) const;
    void dropNewest();
    int count() const;

private:
    QStringList versionFiles() const; // oldest first
    QString objectPath(const QString &sha256) const;
    // With `verify`, every stored file's content is checked against its hash.
    std::optional<QList<SiteFile>> load(const QString &versionFile, bool verify) const;
    void collectGarbage() const;

    QString m_root;
    QString m_folder;
};

} // namespace quillsite
