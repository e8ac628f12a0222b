#pragma once

#include <QFile>
#include <QString>

namespace quillsite {

// Writes a file by way of a hidden temporary file beside it that replaces the
// file only once it is complete, so a failed or interrupted write never leaves
// a cut-off file in place of a good one. Unlike QSaveFile it does not force
// the data to disk for every file, which would make a large site many times
// slower to write.
class AtomicFile final {
public:
    explicit AtomicFile(const QString &path);
    ~AtomicFile();
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    bool open();
    QIODevice &device() { return m_temporary; }
    // Puts the complete file in place; false with errorString() when it can't.
    bool commit();
    QString errorString() const { return m_error; }

private:
    bool fail(const QString &reason);

    QString m_path;
    QFile m_temporary;
    QString m_error;
    bool m_committed = false;
};

} // namespace quillsite
