// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

namespace quillsite {

// The DESTINATION argument, taken apart.
struct DestinationAddress {
    enum class Kind { Sftp, Ftps, Ftp, Git, Folder };
    Kind kind = Kind::Folder;
    QString user;
    QString host;
    int port = 0;
    QString path;
    QString gitUrl; // for Git: the address handed to git, without the "git+" prefix
    QString branch; // for Git

    // The address without any password, to name the place in messages, the
    // keyring and the local lock and version store.
    QString display() const;
};

// Parses sftp://, ftps://, ftp://, git+ssh://, git+https://, git+file:// or a
// folder path. On failure says why in error and returns nothing.
std::optional<DestinationAddress> parseDestination(const QString &text, QString *error);

} // namespace quillsite
