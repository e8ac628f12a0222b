#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

namespace quillsite {

// Writes `pieces`, one after another, as the whole file at `path`; the
// system's reason when it can't, else an empty text.
//
// A file that is not there yet is written straight under its own name and
// removed again when the write fails: there is no good file to protect, and
// a temporary file and a rename for every new page would make building a new
// site much slower. A file that is there is replaced by way of AtomicFile, so
// that a failed or interrupted build never leaves a cut-off page in place of
// a good one.
QString writePageFile(const QString &path, const QList<QByteArrayView> &pieces);

} // namespace quillsite
