// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/inifile.h"

#include "library/legacytext.h"

#include <QFile>
#include <QStringTokenizer>

#include <optional>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

// The profile reader copies into a buffer of 255 characters, one kept for the NUL.
constexpr qsizetype maxValueLength = 254;

// The name of a "[section]" line, or nothing when the line is not one.
std::optional<QStringView> sectionName(QStringView line) {
    if (!line.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = line.indexOf(u']');
    return (close < 0 ? line.mid(1) : line.mid(1, close - 1)).trimmed();
}

QString unquoted(QStringView value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front()) {
        value = value.mid(1, value.size() - 2);
    }
    return value.left(maxValueLength).toString();
}

} // namespace

QString ReadIniString(const QString &section, const QString &key, const QString &file) {
    QFile ini(file);
    if (!ini.open(QIODevice::ReadOnly))
        return {};
    const QString text = decodeTemplateText(ini.readAll()).text;

    bool inSection = false;
    for (QStringView rawLine : QStringTokenizer(text, u'\n')) {
        const QStringView line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (const auto name = sectionName(line)) {
            // The first section of that name wins; a later one is never reached.
            if (inSection)
                return {};
            inSection = name->compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inSection || equals < 0)
            continue;
        if (line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return unquoted(line.mid(equals + 1).trimmed());
    }
    return {};
}

} // namespace quillsite
