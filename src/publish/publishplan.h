// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "publish/manifest.h"
#include "publish/sitefile.h"

#include <QStringList>

namespace quillsite {

// What a publish does, decided from the built site and the manifest alone.
struct PublishPlan {
    QStringList added;
    QStringList changed;
    QStringList unchanged;
    QStringList removed;
    // In the order they go up: new and changed pictures and support files, new
    // pages, changed pages, then index.htm. The manifest follows them and the
    // removals come last, so a visitor never meets a page whose pictures or
    // links aren't there yet.
    QList<QList<SiteFile>> sendPhases;

    QList<SiteFile> sends() const;
    bool isEmpty() const { return added.isEmpty() && changed.isEmpty() && removed.isEmpty(); }
};

PublishPlan makePublishPlan(const QList<SiteFile> &site, const Manifest &manifest);

// Whether a path is a page of the site rather than a picture or support file.
bool isPage(const QString &path);

} // namespace quillsite
