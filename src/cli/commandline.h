// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/sitebuilder.h"
#include "builder/website.h"

#include <QString>
#include <QStringList>

namespace quillsite {

// What the command line depends on from its surroundings, so that tests can
// give their own.
struct CommandLineContext {
    QString templatesFolder; // where the installed templates are
    QString currentFolder;   // relative paths are taken from here
    QString homeFolder;      // what a leading "~" stands for
    QString defaultAuthor;   // the author when --author is not given
};

enum class CommandAction {
    Build,
    ListTemplates,
    ShowText, // help or version: print `text` and succeed
    Fail,     // the command is wrong: print `error` and fail
};

struct CommandLine {
    CommandAction action = CommandAction::Fail;
    Website site;         // for Build
    QString text;         // for ShowText
    QString error;        // for Fail
    QStringList warnings; // said on standard error before the rest; the command goes on
    bool strict = false;  // for Build: a warning is a failure
    OwnedFiles previous;  // for Build: what the site in the destination owned, to clean up
};

// Turns the arguments (the program name first) into what to do.
CommandLine interpretCommandLine(const QStringList &arguments, const CommandLineContext &context);

// One warning per picture or linked file a page lacks, naming both.
QStringList missingFileWarnings(const BuildResult &result);

// What a build removed that the site no longer uses: how many, then one
// file a line; empty when it removed nothing.
QString removedFilesReport(const BuildResult &result);

// The one line said after a build, "Wrote 3 pages and 5 support files to /site",
// with the pictures and files copied and how many were missing, when any.
QString buildReport(const BuildResult &result, const QString &destination);

} // namespace quillsite
