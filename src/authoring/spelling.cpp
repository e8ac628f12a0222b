// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/spelling.h"

#include "platform/systeminfo.h"

#include <QDir>
#include <QFile>
#include <QWebEngineProfile>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

const QString FallbackLanguage = u"en-US"_s;

QStringList dictionariesIn(const QString &folder) {
    QStringList names;
    for (const QFileInfo &file : QDir(folder).entryInfoList({u"*.bdic"_s}, QDir::Files))
        names.append(file.completeBaseName());
    return names;
}

} // namespace

QString spellCheckLanguage(const QLocale &locale, const QStringList &dictionaries) {
    const QString language = QLocale::languageToCode(locale.language());
    const QString full = language + u'-' + QLocale::territoryToCode(locale.territory());
    if (dictionaries.contains(full, Qt::CaseInsensitive))
        return full;
    for (const QString &dictionary : dictionaries) {
        if (dictionary.section(u'-', 0, 0).compare(language, Qt::CaseInsensitive) == 0)
            return dictionary;
    }
    return FallbackLanguage;
}

void enableSpelling(QWebEngineProfile &profile) {
    // The engine looks beside the executable unless told otherwise; an installed program
    // keeps them with its data.
    const char *variable = "QTWEBENGINE_DICTIONARIES_PATH";
    if (qEnvironmentVariableIsEmpty(variable))
        qputenv(variable, QFile::encodeName(programDataFolder() + u"/qtwebengine_dictionaries"_s));
    const QString folder = qEnvironmentVariable(variable);
    profile.setSpellCheckLanguages({spellCheckLanguage(QLocale(), dictionariesIn(folder))});
    profile.setSpellCheckEnabled(true);
}

} // namespace quillsite
