// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/editcommand.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <span>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

// The sizes browsers give the seven HTML font sizes, in points.
constexpr std::array<int, 7> HtmlSizePoints = {8, 10, 12, 14, 18, 24, 36};

} // namespace

CommandAction commandAction(EditCommand command) {
    switch (command) {
    case EditCommand::Hyperlink:
        return CommandAction::AskLink;
    case EditCommand::Image:
        return CommandAction::AskImage;
    case EditCommand::Font:
        return CommandAction::AskFont;
    case EditCommand::OrderedList:
    case EditCommand::UnorderedList:
        return CommandAction::List;
    default:
        return CommandAction::Format;
    }
}

std::optional<EditCommand> editCommandOfNumber(int number) {
    constexpr EditCommand asking[] = {EditCommand::Hyperlink, EditCommand::Image,
                                      EditCommand::Font};
    for (const auto &commands :
         {std::span<const EditCommand>(StatefulCommands), std::span<const EditCommand>(asking)}) {
        for (EditCommand command : commands) {
            if (int(command) == number)
                return command;
        }
    }
    return std::nullopt;
}

QString editingCommandName(EditCommand command) {
    switch (command) {
    case EditCommand::Bold:
        return u"bold"_s;
    case EditCommand::Italic:
        return u"italic"_s;
    case EditCommand::Underline:
        return u"underline"_s;
    case EditCommand::JustifyLeft:
        return u"justifyLeft"_s;
    case EditCommand::JustifyCenter:
        return u"justifyCenter"_s;
    case EditCommand::JustifyRight:
        return u"justifyRight"_s;
    case EditCommand::OrderedList:
        return u"insertOrderedList"_s;
    case EditCommand::UnorderedList:
        return u"insertUnorderedList"_s;
    default:
        return {};
    }
}

int htmlFontSize(int pointSize) {
    const auto nearest =
        std::min_element(HtmlSizePoints.begin(), HtmlSizePoints.end(), [pointSize](int a, int b) {
            return std::abs(a - pointSize) < std::abs(b - pointSize);
        });
    return int(nearest - HtmlSizePoints.begin()) + 1;
}

int pointSizeOfHtmlFontSize(int htmlSize) {
    return HtmlSizePoints[std::clamp(htmlSize, 1, 7) - 1];
}

} // namespace quillsite
