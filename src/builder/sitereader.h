// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/website.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace quillsite {

// A site read back from its folder: what it was built from, as far as it can
// be recovered.
struct ReadSite {
    // The template that built it (empty when no installed one did), title,
    // author and pages in menu order; the destination is the folder read.
    Website site;
    // The file names of the pages read, within the folder, in the order of
    // the pages: what a later build may replace or leave behind.
    QStringList pageFiles;
    // What could not be recovered, one plain sentence each.
    QStringList problems;
    // Why the folder can't be read as a site at all; empty when it could.
    QString error;
};

// Reads the site in `folder` back by running the filling rules of the
// template that built it backwards: its page skeleton around the
// placeholders, and the menu item fragment for each menu entry. The template
// is recognised among `templateFolders`; the menu gives the page names and
// their order. Pages that don't match are still opened as far as they can be.
ReadSite readBuiltSite(const QString &folder, const QStringList &templateFolders);

// The template that built the site in `folder` and the page files its menu
// lists, read from its start page alone, which is quick however large the
// site; nothing when no template of `templateFolders` built it.
struct SiteMenuFiles {
    QString templateFolder;
    QStringList pageFiles;
};
std::optional<SiteMenuFiles> readSiteMenuFiles(const QString &folder,
                                               const QStringList &templateFolders);

// The page file `path` read back the same way, when one of `templateFolders`
// built it: its name as its menu gives it, its content, and its folder.
// Nothing when no installed template built it.
std::optional<SitePage> readBuiltPage(const QString &path, const QStringList &templateFolders);

struct TemplateForm;

// The page forms of `templateFolders`, read once to recognise many pages by;
// a template that can't be read recognises none.
class TemplateForms final {
public:
    TemplateForms();
    explicit TemplateForms(const QStringList &templateFolders);
    TemplateForms(const TemplateForms &);
    ~TemplateForms();

private:
    friend std::optional<SitePage> builtPageOf(const QByteArray &, const QString &,
                                               const TemplateForms &);
    friend ReadSite readBuiltSite(const QString &, const QStringList &);
    friend std::optional<SiteMenuFiles> readSiteMenuFiles(const QString &, const QStringList &);

    QList<TemplateForm> m_forms;
};

// The same for the bytes of a page file read from `folder`.
std::optional<SitePage> builtPageOf(const QByteArray &bytes, const QString &folder,
                                    const TemplateForms &forms);

} // namespace quillsite
