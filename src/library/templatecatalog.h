// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

namespace quillsite {

// One listed template. `folder` is its identity everywhere.
struct TemplateInfo {
    QString folder;        // full path of the template folder
    QString name;          // `Name` of its data.ini, may be empty
    QString thumbnailPath; // its screen_thumb.jpg, or empty when it has none
};

// What the chooser shows of a template, read afresh each time it is chosen.
struct TemplateDetails {
    QString author;
    QString url;
    QString description;
    QString previewPath; // its screen_full.jpg, or empty when it has none
};

// The templates directly under `templatesFolder`: every subfolder holding a
// data.ini, ordered by folder name without regard to case.
QList<TemplateInfo> discoverTemplates(const QString &templatesFolder);

TemplateDetails readTemplateDetails(const QString &templateFolder);

} // namespace quillsite
