// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "library/templatecatalog.h"

#include <QList>
#include <QString>

namespace quillsite {

// The template a command line asks for: `folder` on success, else `error`.
struct TemplateChoice {
    QString folder;
    QString error;
};

// Finds the template `request` names. A request with a slash, or one that
// matches no installed template, is taken as the path of a template folder
// (relative to `currentFolder`); otherwise it names an installed template by
// its display name or its folder name, without regard to case. An empty
// request chooses the first installed template.
TemplateChoice chooseTemplate(const QString &request, const QList<TemplateInfo> &installed,
                              const QString &currentFolder);

// One line per installed template, "name [folder]", for messages that list
// the choices.
QString templateChoices(const QList<TemplateInfo> &installed);

} // namespace quillsite
