// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/handcursor.h"

#include "platform/startuplog.h"

#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

#include <optional>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

// A .cur file starts with a 6-byte directory (reserved 0, type 2) followed by
// 16-byte entries; the first entry's hot spot is at bytes 10 to 13. Qt's
// reader gives the image but not the hot spot.
std::optional<QPoint> hotSpotOfFirstCursor(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray head = file.read(22);
    if (head.size() < 22)
        return std::nullopt;
    const auto word = [&head](int offset) {
        return qFromLittleEndian<quint16>(head.constData() + offset);
    };
    if (word(0) != 0 || word(2) != 2 || word(4) == 0)
        return std::nullopt;
    return QPoint(word(10), word(12));
}

} // namespace

QCursor cursorFromFile(const QString &path, Qt::CursorShape fallback) {
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        qCWarning(lcStartup, "Can't read the cursor %s (%s); using the system's own instead.",
                  qPrintable(path), qPrintable(reader.errorString()));
        return QCursor(fallback);
    }
    QPoint hotSpot(-1, -1); // Qt's default: the middle of the picture
    if (const auto fromFile = hotSpotOfFirstCursor(path);
        fromFile && image.rect().contains(*fromFile))
        hotSpot = *fromFile;
    return QCursor(QPixmap::fromImage(image), hotSpot.x(), hotSpot.y());
}

QCursor handCursor(const QString &dataFolder) {
    return cursorFromFile(dataFolder + u"/hand.cur"_s, Qt::PointingHandCursor);
}

} // namespace quillsite
