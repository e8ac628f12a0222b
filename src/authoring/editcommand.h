// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

namespace quillsite {

// The editor's commands. The numbers are those the editing component has always used for
// them, so that they stay the same wherever a command is stored or sent as a number.
enum class EditCommand : int {
    Bold = 5000,
    Font = 5009,
    Hyperlink = 5016,
    Image = 5017,
    Italic = 5023,
    JustifyCenter = 5024,
    JustifyLeft = 5025,
    JustifyRight = 5026,
    OrderedList = 5030,
    Underline = 5048,
    UnorderedList = 5051,
};

// A command's status as the editor reports it; the numbers are the component's too.
enum class CommandStatus : int {
    NotSupported = 0,
    Disabled = 1,
    Enabled = 3,
    Latched = 7, // the format is in force at the selection
};

// The eight commands whose state follows the selection, in the toolbar's order.
inline constexpr EditCommand StatefulCommands[] = {
    EditCommand::Bold,        EditCommand::Italic,        EditCommand::Underline,
    EditCommand::JustifyLeft, EditCommand::JustifyCenter, EditCommand::JustifyRight,
    EditCommand::OrderedList, EditCommand::UnorderedList};

// How the editor carries a command out.
enum class CommandAction {
    Format,   // a document editing command on the selection
    List,     // a list made or taken away, keeping paragraphs whole
    AskLink,  // asks for an address first
    AskImage, // asks for a picture first
    AskFont,  // asks for a font first
};
CommandAction commandAction(EditCommand command);

// The command of a number, if it is one of them.
std::optional<EditCommand> editCommandOfNumber(int number);

// The document's editing command (document.execCommand) a stateful command runs; empty for
// any other command.
QString editingCommandName(EditCommand command);

// The HTML font size (1 to 7) that comes nearest to a size in points, and back.
int htmlFontSize(int pointSize);
int pointSizeOfHtmlFontSize(int htmlSize);

} // namespace quillsite
