// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/medianame.h"

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

// The part of a name made web-safe: ASCII letters and digits kept (lower
// case), accents dropped, anything else one "-" between words.
QString safePart(const QString &part) {
    QString safe;
    for (const QChar ch : part.normalized(QString::NormalizationForm_KD)) {
        if (ch.category() == QChar::Mark_NonSpacing)
            continue;
        const char16_t lower = ch.toLower().unicode();
        if ((lower >= u'a' && lower <= u'z') || (lower >= u'0' && lower <= u'9'))
            safe += QChar(lower);
        else if (!safe.isEmpty() && !safe.endsWith(u'-'))
            safe += u'-';
    }
    if (safe.endsWith(u'-'))
        safe.chop(1);
    return safe;
}

} // namespace

QString webSafeName(const QString &fileName) {
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const bool hasExtension = dot > 0;
    QString stem = safePart(hasExtension ? fileName.first(dot) : fileName);
    const QString extension = hasExtension ? safePart(fileName.sliced(dot + 1)) : QString();
    if (stem.isEmpty())
        stem = u"file"_s;
    return extension.isEmpty() ? stem : stem + u'.' + extension;
}

QString numberedName(const QString &name, int number) {
    if (number == 1)
        return name;
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString stem = dot > 0 ? name.first(dot) : name;
    const QString extension = dot > 0 ? name.sliced(dot) : QString();
    return u"%1-%2%3"_s.arg(stem).arg(number).arg(extension);
}

QString freeName(const QString &name, const std::function<bool(const QString &)> &taken) {
    for (int number = 1;; ++number) {
        const QString candidate = numberedName(name, number);
        if (!taken(candidate))
            return candidate;
    }
}

} // namespace quillsite
