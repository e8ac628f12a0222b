// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace quillsite {

// How the editor shows a page's content: the template's editor style sheet, so that what
// the author sees is what the built page shows.
struct EditorStyleSheet {
    QString css;
    QUrl baseUrl; // what relative addresses in the sheet resolve against

    bool operator==(const EditorStyleSheet &) const = default;
};

// The style sheet a template holds for the editor, `files/editor.css`, or the default
// when it holds none (or it can't be read).
EditorStyleSheet editorStyleSheetOf(const QString &templateFolder);

// Our plain, readable look for content.
EditorStyleSheet defaultEditorStyleSheet();

// The font-family lists a style sheet sets, each once, in the order they first appear.
QStringList fontFamilyLists(const QString &css);

} // namespace quillsite
