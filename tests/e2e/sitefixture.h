// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace quillsite::e2e {

// A page to build: its name in the site, and the HTML file it comes from.
struct PageSource {
    QString name;
    QString file;
};

// The template folders the build put beside the programs.
QStringList bundledTemplates();

// The demonstration site, under names that are awkward in links and file
// names: spaces, "&", "#", "?" and letters beyond ASCII.
QList<PageSource> awkwardlyNamedPages();

// "Home" from the demonstration site, then every ready-made page under the
// name the Add Page dialog gives it.
QList<PageSource> readyMadePages();

// Home and the ready-made pages, made up to eleven with journal pages under
// names of their own, and last a page with a picture wider than any screen:
// twelve pages, a site whose menu is long.
QList<PageSource> twelvePages();

// Builds a site with quillsite-build. Returns an empty text on success, else
// what went wrong, with everything the builder said.
QString buildSite(const QString &templateFolder, const QString &destination,
                  const QList<PageSource> &pages);

// Where quillsite-build is, whether or not it was built.
QString builderPath();

// Why the Nu Html Checker can't run here (no Java, or the checker not installed), or an
// empty text when it can.
QString htmlCheckerMissing();

// The Nu Html Checker's errors about the files, or an empty text when it has none.
QString htmlCheckerErrors(const QStringList &files);

} // namespace quillsite::e2e
