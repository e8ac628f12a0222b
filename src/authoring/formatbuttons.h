// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "authoring/editcommand.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <utility>

namespace quillsite {

enum class ButtonStyle {
    Check,     // toggles when clicked
    Group,     // one of the alignment group, at most one pressed
    Plain,     // springs back
    Separator, // a gap
};

// One button of the formatting toolbar, in toolbar order.
struct FormatButton {
    QString key; // also the action's objectName
    QString toolTip;
    QString icon;                            // resource path of its picture
    EditCommand command = EditCommand::Bold; // the editor command it sends, if not a separator
    ButtonStyle style = ButtonStyle::Separator;
    bool followsEditor = false; // its pressed state shows the editor's
};

// The fifteen buttons: Bold Italic Underline | Left Center Right |
// Ordered Unordered | Hyperlink Image | Font.
const QList<FormatButton> &formatButtons();

// The command a button sends; none for a key that is not a button.
std::optional<EditCommand> commandForKey(const QString &key);

// The pressed state of each button that follows the editor, in the order the
// toolbar refreshes them, from the editor's command status: pressed exactly
// when the status is latched.
QList<std::pair<QString, bool>>
buttonStates(const std::function<CommandStatus(EditCommand)> &queryStatus);

} // namespace quillsite
