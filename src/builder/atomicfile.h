#pragma once

#include "builder/fileerror.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace quillsite {

// Writes a file by way of a hidden temporary file beside it that takes the
// file's name only once it is complete, so a failed or interrupted write never
// leaves a cut-off file under that name. Unlike QSaveFile it does not force
// the data to disk for every file, which would make a large site many times
// slower to write. A new file gets the permissions of any new file; a file
// replaced keeps its own.
class AtomicFile final {
public:
    explicit AtomicFile(const QString &path);
    // Removes the temporary file unless it was committed.
    ~AtomicFile();
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    FileError open();
    // Appends `pieces`, one after another, in as few system calls as it can.
    FileError write(const QList<QByteArrayView> &pieces);
    // Puts the complete file in place.
    FileError commit();

private:
    FileError fail(int error);

    QString m_path;
    QByteArray m_temporary; // encoded for the system; empty until opened
    int m_fd = -1;
    bool m_committed = false;
};

// Writes `pieces` as the whole file at `path` by way of AtomicFile.
FileError writeFileAtomically(const QString &path, const QList<QByteArrayView> &pieces);

// Removes the temporary files in `folder` that a write cut short by a crash
// or a kill left behind: those of processes that no longer run.
void removeLeftoverTemporaryFiles(const QString &folder);

} // namespace quillsite
