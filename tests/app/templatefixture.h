// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace quillsite {

// What a fixture template folder holds.
struct FixtureTemplate {
    QString folderName;
    QString name;
    bool dataIni = true;
    bool detailKeys = true; // Author, URL and Description
    QString url = QStringLiteral("https://example.org/");
    QColor thumbColor{};   // no screen_thumb.jpg when invalid
    QColor previewColor{}; // no screen_full.jpg when invalid
    QSize previewSize{190, 190};
    bool brokenPictures = false; // pictures that are not JPEG data
};

// Writes a template with a working skeleton, menu item and `files` folder
// under `templatesFolder`; returns the template's folder.
QString writeFixtureTemplate(const QString &templatesFolder, const FixtureTemplate &fixture);

// A preview whose top-left 8 x 8 corner is `corner` and the rest `color`.
QImage fixturePreview(const QSize &size, const QColor &color, const QColor &corner);

} // namespace quillsite
