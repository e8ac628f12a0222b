#pragma once

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

} // namespace quillsite
