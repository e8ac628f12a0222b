// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/atomicfile.h"
#include "builder/fileerror.h"

#include <QList>
#include <QString>

#include <functional>

namespace quillsite {

// What copying a template's `files` folder into a site involves, listed before
// anything is written so that problems show before the build starts.
struct SupportFilePlan {
    QList<QString> folders; // relative to the `files` folder, parents first
    QList<QString> files;   // relative to the `files` folder
    qint64 totalBytes = 0;
    QList<FileError> leftOut; // links out of the template, pipes and devices
    FileError error;          // empty when the plan can be carried out
};

// Lists every file and subfolder of `sourceFolder` (nothing when it does not
// exist) and checks that each can take its place under `targetFolder`.
// Symbolic links within the template folder (the parent of `sourceFolder`) are
// followed, but a link back into a folder being listed is skipped, so a cycle
// of links does not go on for ever. Only regular files and folders are copied:
// links leading out of the template, pipes and devices are left out.
// Everything that would make the copy fail (a file that can't be read, a
// folder that can't be written) is found here, before anything is written.
SupportFilePlan planSupportFiles(const QString &sourceFolder, const QString &targetFolder);

struct CopyOutcome {
    int filesCopied = 0;
    FileError error; // empty when every file was copied
};

// Copies the planned folders and files, replacing files of the same name.
// `copied` is told the bytes copied so far, now and then. With `pass`, the
// copies wait under temporary names for it to put them in place.
CopyOutcome copySupportFiles(const SupportFilePlan &plan, const QString &sourceFolder,
                             const QString &targetFolder,
                             const std::function<void(qint64 bytes)> &copied,
                             RenamePass *pass = nullptr);

} // namespace quillsite
