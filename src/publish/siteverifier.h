// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "publish/sitefile.h"

#include <QUrl>

namespace quillsite {

// Whether the pages and pictures are served as they were sent.
bool isVerifiable(const QString &path);

// Fetches each file below base over HTTP(S) and compares it byte for byte with
// the file sent. Returns one line for each that differs or could not be
// fetched, naming it. Runs its own event loop.
QStringList verifySite(const QUrl &base, const QList<SiteFile> &files);

} // namespace quillsite
