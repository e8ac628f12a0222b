// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "project/draft.h"

#include <QDateTime>
#include <QString>

namespace quillsite {

// When a draft was saved, as people say it: "today 09:12", "yesterday 18:04",
// or the day and the time. Both in local time.
QString draftSavedWhen(const QDateTime &saved, const QDateTime &now);

// "12 pages, yesterday 18:04", the site's folder named first when the draft
// is of a site opened again.
QString draftDetails(const Draft &draft, const QDateTime &now);

// The text of the button that takes the draft up again, with its access key:
// "Continue the website you were writing (12 pages, yesterday 18:04)", the
// site's folder named first when the draft is of a site opened again.
QString continueDraftText(const Draft &draft, const QDateTime &now);

} // namespace quillsite
