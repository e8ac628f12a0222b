#pragma once

#include <QString>

namespace quillsite {

// The editing component's command numbers.
enum EditCommand : int {
    Bold = 5000,
    Italic = 5023,
    Underline = 5048,
    JustifyLeft = 5025,
    JustifyCenter = 5024,
    JustifyRight = 5026,
    OrderedList = 5030,
    UnorderedList = 5051,
    Hyperlink = 5016,
    Image = 5017,
    Font = 5009,
};

// Command status as the component reports it.
enum CommandStatus : int {
    NotSupported = 0,
    Disabled = 1,
    Enabled = 3,
    Latched = 7,
};

// The eight commands whose state follows the selection, in the toolbar's order.
inline constexpr EditCommand StatefulCommands[] = {
    Bold, Italic, Underline, JustifyLeft, JustifyCenter, JustifyRight, OrderedList, UnorderedList};

// The document's editing command (document.execCommand) a stateful command runs; empty for
// any other number.
QString editingCommandName(int command);

// The HTML font size (1 to 7) that comes nearest to a size in points, and back.
int htmlFontSize(int pointSize);
int pointSizeOfHtmlFontSize(int htmlSize);

} // namespace quillsite
