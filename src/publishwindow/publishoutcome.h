// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "publishwindow/publishjob.h"

#include <QString>

namespace quillsite {

// The Publish dialog's words for what a job found, in plain language.

// "3 new, 1 changed, 0 removed, 196 unchanged".
QString changeCounts(const PublishPlan &plan);

// What a job that ended says, as the dialog shows it: what worked, what
// failed, what was and wasn't sent, and what to try. `place` names where to.
QString outcomeText(const PublishJobResult &result, const QString &place);

// "12 of 200 files, 1.2 MB of 3.4 MB, about 5 seconds left".
QString progressText(const PublishProgress &progress, qint64 elapsedMilliseconds);

// The question asked before trusting a server for the first time.
QString trustQuestion(const QString &place, const QString &fingerprint, bool certificate);

} // namespace quillsite
