// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publish/publishplan.h"

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

enum Phase { SupportFiles, NewPages, ChangedPages, StartPage, PhaseCount };

} // namespace

bool isPage(const QString &path) {
    return path.endsWith(u".htm"_s, Qt::CaseInsensitive) ||
           path.endsWith(u".html"_s, Qt::CaseInsensitive);
}

QList<SiteFile> PublishPlan::sends() const {
    QList<SiteFile> all;
    for (const QList<SiteFile> &phase : sendPhases)
        all += phase;
    return all;
}

PublishPlan makePublishPlan(const QList<SiteFile> &site, const Manifest &manifest) {
    PublishPlan plan;
    plan.sendPhases.resize(PhaseCount);
    QSet<QString> inSite;
    for (const SiteFile &file : site) {
        inSite.insert(file.path);
        const auto known = manifest.files.constFind(file.path);
        const bool isNew = known == manifest.files.cend();
        if (!isNew && known->sha256 == file.sha256 && known->size == file.size) {
            plan.unchanged.append(file.path);
            continue;
        }
        (isNew ? plan.added : plan.changed).append(file.path);
        const Phase phase = file.path == u"index.htm"_s ? StartPage
                            : !isPage(file.path)        ? SupportFiles
                            : isNew                     ? NewPages
                                                        : ChangedPages;
        plan.sendPhases[phase].append(file);
    }
    for (const ManifestEntry &entry : manifest.files) {
        if (!inSite.contains(entry.path))
            plan.removed.append(entry.path);
    }
    return plan;
}

} // namespace quillsite
