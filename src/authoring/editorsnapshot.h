// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "authoring/editcommand.h"
#include "authoring/editordialogs.h"

#include <QHash>
#include <QString>

QT_BEGIN_NAMESPACE
class QJsonObject;
QT_END_NAMESPACE

namespace quillsite {

// What the editor's page script last reported: the document and the state of the selection.
struct EditorSnapshot {
    int loadId = 0;  // which load of the editor the report comes from
    int request = 0; // the last command request the page has carried out
    QString documentHtml;
    QString bodyHtml;
    QHash<EditCommand, CommandStatus> status; // of each stateful command
    bool hasCaret = false;                    // whether the document has a selection at all
    bool touched = false;   // whether the user has had a caret in, changed or scrolled the page
    QString paragraphStyle; // tag of the paragraph style at the selection
    QString link;           // address of the link the selection lies in, if any
    std::optional<ImageChoice> picture; // the picture selected, if the selection is one
    FontChoice font;                    // font at the selection
};

// Reads a report of the page script. A report leaves out the content when it has not
// changed; that part is then taken from previous.
EditorSnapshot snapshotFromReport(const QJsonObject &report, const EditorSnapshot &previous);

// The status of a command from what the document says of it.
CommandStatus commandStatus(bool enabled, bool inForce);

// A colour as the document reports it ("rgb(r, g, b)", "rgba(...)" or "#rrggbb").
QColor colorFromCss(const QString &css);

// The first family of a CSS font-family list, without quotes.
QString firstFontFamily(const QString &css);

} // namespace quillsite
