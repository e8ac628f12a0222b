// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/fileerror.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QMutex>
#include <QString>

namespace quillsite {

// Complete files waiting under their temporary names, put in place together
// by run() in the order they were handed over, so that a build cut short
// before then leaves the site as it was. Files may be handed over from
// several threads. Those never put in place are removed.
class RenamePass final {
public:
    RenamePass() = default;
    ~RenamePass();
    RenamePass(const RenamePass &) = delete;
    RenamePass &operator=(const RenamePass &) = delete;

    void add(const QByteArray &temporary, const QString &path);
    // Puts every file in place; the first that could not be, named.
    FileError run();

private:
    struct Waiting {
        QByteArray temporary;
        QString path;
    };

    QMutex m_mutex;
    QList<Waiting> m_waiting;
};

// Whether a file about to be written may replace one at its path. One known
// to be new needs no look at what it would replace.
enum class Target { MayExist, New };

// Writes a file by way of a hidden temporary file beside it that takes the
// file's name only once it is complete, so a failed or interrupted write never
// leaves a cut-off file under that name. Unlike QSaveFile it does not force
// the data to disk for every file, which would make a large site many times
// slower to write. A new file gets the permissions of any new file; a file
// replaced keeps its own.
class AtomicFile final {
public:
    // With `pass`, commit() hands the complete file over to it instead of
    // putting it in place at once.
    explicit AtomicFile(const QString &path, RenamePass *pass = nullptr,
                        Target target = Target::MayExist);
    // Removes the temporary file unless it was committed.
    ~AtomicFile();
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    FileError open();
    // Appends `pieces`, one after another, in as few system calls as it can.
    FileError write(const QList<QByteArrayView> &pieces);
    // Gives the file this modification time, which it keeps once in place.
    FileError setModificationTime(const QDateTime &time);
    // Closes the complete file, with the permissions of the one it replaces.
    // Done by commit() when not before; apart from it, so that a file written
    // on one thread can be handed over on another without holding it open.
    FileError finish();
    // Puts the complete file in place, or hands it over to the pass.
    FileError commit();

private:
    FileError fail(int error);

    QString m_path;
    RenamePass *m_pass;
    Target m_target;
    QByteArray m_temporary; // encoded for the system; empty until opened
    int m_fd = -1;
    bool m_finished = false;
    bool m_committed = false;
};

// Writes `pieces` as the whole file at `path` by way of AtomicFile.
FileError writeFileAtomically(const QString &path, const QList<QByteArrayView> &pieces,
                              RenamePass *pass = nullptr);

// Removes the temporary files in `folder` that a write cut short by a crash
// or a kill left behind: those of processes that no longer run.
void removeLeftoverTemporaryFiles(const QString &folder);

} // namespace quillsite
