// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "project/draft.h"

#include <QList>
#include <QString>

namespace quillsite {

// Copies into `folder` every local picture the draft's pages show that has no
// copy there yet, and returns all of them with their copies. A picture
// changed since it was copied gets a new copy. A picture that is missing or
// can't be copied is left out: the page keeps its address all the same.
QList<DraftPicture> keepDraftPictures(const Draft &draft, const QString &folder);

// The draft's pages with each address of a picture whose original is gone
// leading to its copy in `folder` instead.
QList<DraftPage> pagesShowingKeptPictures(const Draft &draft, const QString &folder);

} // namespace quillsite
