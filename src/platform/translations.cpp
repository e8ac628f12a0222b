// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/translations.h"

#include "platform/systeminfo.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

// Loads "<name>_de_AT.qm", else "<name>_de.qm", for the locale de_AT.
bool installCatalogue(const QString &name, const QLocale &locale, const QString &folder) {
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name + u'_' + locale.name(), folder))
        return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}

} // namespace

void installTranslations() {
    // The languages in the user's order of preference; the first one that the
    // program speaks wins. English is the one its texts are written in.
    for (const QString &language : QLocale().uiLanguages()) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return;
        if (installCatalogue(u"quillsite"_s, locale, programDataFolder() + u"/translations"_s)) {
            // Qt's standard buttons and dialogs, and the editor's context menu.
            const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
            for (const QString &qtCatalogue : {u"qtbase"_s, u"qtwebengine"_s})
                installCatalogue(qtCatalogue, locale, qtFolder);
            return;
        }
    }
}

} // namespace quillsite
