// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLatin1StringView>
#include <QStringView>

namespace quillsite {

// Where the first "<" at or after `from` in `text` is that is followed by a
// character for which `mayStart` holds, or -1 when there is none.
//
// The scans for a few kinds of tag run over every page of a build, and pages
// hold a tag every few dozen characters; so the text is looked at a block at a
// time, without stopping early, which lets the compiler check a whole block at
// once. `mayStart` must therefore be cheap and written without branches.
template <typename MayStart>
qsizetype indexOfTagStart(QStringView text, qsizetype from, MayStart mayStart) {
    constexpr qsizetype blockSize = 32;
    const char16_t *units = text.utf16();
    // The character after a block's last one must be there to be looked at.
    for (; from + blockSize < text.size(); from += blockSize) {
        char16_t found = 0; // as wide as a unit: a bool would not be vectorised
        for (qsizetype i = from; i < from + blockSize; ++i)
            found |= char16_t(units[i] == u'<') & char16_t(mayStart(units[i + 1]));
        if (found != 0)
            break;
    }
    for (; from + 1 < text.size(); ++from) {
        if (units[from] == u'<' && mayStart(units[from + 1]))
            return from;
    }
    return -1;
}

// Whether `text` starts with `name`, which is in lower-case letters, in any
// letter case. Cheaper than a case-insensitive compare, for the scans above.
inline bool startsWithLetters(QStringView text, QLatin1StringView name) {
    if (text.size() < name.size())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if ((text[i].unicode() | 0x20) != name[i].unicode())
            return false;
    }
    return true;
}

} // namespace quillsite
