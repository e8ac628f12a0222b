// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ftplisting.h"

#include <QString>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

bool isSelfOrParent(const QString &name) {
    return name.isEmpty() || name == u"."_s || name == u".."_s;
}

QList<QByteArray> lines(const QByteArray &listing) {
    QList<QByteArray> result = listing.split('\n');
    for (QByteArray &line : result) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return result;
}

} // namespace

QList<RemoteEntry> parseMachineListing(const QByteArray &listing) {
    QList<RemoteEntry> entries;
    for (const QByteArray &line : lines(listing)) {
        // Facts end at the first blank; the name is everything after it.
        const qsizetype blank = line.indexOf(' ');
        if (blank < 0)
            continue;
        RemoteEntry entry;
        entry.path = QString::fromUtf8(line.mid(blank + 1));
        QByteArray type;
        for (const QByteArray &fact : line.left(blank).split(';')) {
            const qsizetype equals = fact.indexOf('=');
            const QByteArray key = fact.left(equals).toLower();
            const QByteArray value = fact.mid(equals + 1);
            if (key == "type")
                type = value.toLower();
            else if (key == "size")
                entry.size = value.toLongLong();
        }
        if (type == "cdir" || type == "pdir" || isSelfOrParent(entry.path))
            continue;
        entry.isFolder = type == "dir";
        entry.isLink = type.startsWith("os.unix=slink") || type.startsWith("os.unix=symlink");
        entries.append(entry);
    }
    return entries;
}

QList<RemoteEntry> parseUnixListing(const QByteArray &listing) {
    QList<RemoteEntry> entries;
    for (const QByteArray &line : lines(listing)) {
        // "drwxr-xr-x 2 owner group 4096 Dec 10 06:00 name": eight fields, one blank, then
        // the name, which may hold blanks of its own.
        QList<QByteArray> fields;
        qsizetype position = 0;
        while (fields.size() < 8) {
            while (position < line.size() && line[position] == ' ')
                ++position;
            qsizetype end = position;
            while (end < line.size() && line[end] != ' ')
                ++end;
            if (end == position)
                break;
            fields.append(line.mid(position, end - position));
            position = end;
        }
        if (fields.size() < 8 || position + 1 >= line.size() ||
            !QByteArray("-dl").contains(fields[0].left(1)))
            continue;
        RemoteEntry entry;
        entry.path = QString::fromUtf8(line.mid(position + 1));
        entry.isFolder = fields[0].startsWith('d');
        entry.isLink = fields[0].startsWith('l');
        if (entry.isLink)
            entry.path = entry.path.section(u" -> "_s, 0, 0);
        entry.size = fields[4].toLongLong();
        if (!isSelfOrParent(entry.path))
            entries.append(entry);
    }
    return entries;
}

} // namespace quillsite
