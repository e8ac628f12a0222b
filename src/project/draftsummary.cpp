// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/draftsummary.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace quillsite {

QString draftSavedWhen(const QDateTime &saved, const QDateTime &now) {
    const QLocale locale;
    // To the minute: some languages' short format has the seconds as well.
    const QString time =
        locale.toString(saved.time(), locale.timeFormat(QLocale::ShortFormat).remove(u":ss"_s));
    const qint64 daysAgo = saved.date().daysTo(now.date());
    if (daysAgo == 0)
        return QCoreApplication::translate("DraftSummary", "today %1").arg(time);
    if (daysAgo == 1)
        return QCoreApplication::translate("DraftSummary", "yesterday %1").arg(time);
    return QCoreApplication::translate("DraftSummary", "%1 %2")
        .arg(locale.toString(saved.date(), QLocale::ShortFormat), time);
}

QString draftDetails(const Draft &draft, const QDateTime &now) {
    const int pages = int(draft.pages.size());
    QString details = pages == 1
                          ? QCoreApplication::translate("DraftSummary", "1 page")
                          : QCoreApplication::translate("DraftSummary", "%n pages", nullptr, pages);
    details += u", "_s + draftSavedWhen(draft.saved.toLocalTime(), now.toLocalTime());
    if (draft.openedFolder.isEmpty())
        return details;
    return QFileInfo(draft.openedFolder).fileName() + u", "_s + details;
}

QString continueDraftText(const Draft &draft, const QDateTime &now) {
    // A "&" of a folder's name is shown as it is, not taken for the access key.
    const QString details = draftDetails(draft, now).replace(u'&', u"&&"_s);
    return QCoreApplication::translate("DraftSummary",
                                       "Con&tinue the website you were writing (%1)")
        .arg(details);
}

} // namespace quillsite
