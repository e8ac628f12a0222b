// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

QT_BEGIN_NAMESPACE
class QWebEngineProfile;
QT_END_NAMESPACE

namespace quillsite {

// The language spelling is checked in: of the dictionaries at hand (named like "de-DE"),
// the one for the locale's language and country, else one for its language, else en-US.
QString spellCheckLanguage(const QLocale &locale, const QStringList &dictionaries);

// Checks spelling as the user types, in the user's language, with the dictionaries that
// lie with the program's data.
void enableSpelling(QWebEngineProfile &profile);

} // namespace quillsite
