// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/formatbuttons.h"

#include <QCoreApplication>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translation catalogues.
struct FormatButtons {
    Q_DECLARE_TR_FUNCTIONS(FormatButtons)
};

FormatButton button(const QString &key, const QString &toolTip, const QString &icon,
                    EditCommand command, ButtonStyle style) {
    return {key,     toolTip, u":/artwork/toolbar/"_s + icon + u".svg"_s,
            command, style,   style != ButtonStyle::Plain};
}

FormatButton separator() {
    return {};
}

} // namespace

const QList<FormatButton> &formatButtons() {
    static const QList<FormatButton> buttons = {
        button(u"Bold"_s, FormatButtons::tr("Bold"), u"bold"_s, EditCommand::Bold,
               ButtonStyle::Check),
        button(u"Italic"_s, FormatButtons::tr("Italic"), u"italic"_s, EditCommand::Italic,
               ButtonStyle::Check),
        button(u"Underline"_s, FormatButtons::tr("Underline"), u"underline"_s,
               EditCommand::Underline, ButtonStyle::Check),
        separator(),
        button(u"Left"_s, FormatButtons::tr("Left Justified"), u"align-left"_s,
               EditCommand::JustifyLeft, ButtonStyle::Group),
        button(u"Center"_s, FormatButtons::tr("Center Justified"), u"align-center"_s,
               EditCommand::JustifyCenter, ButtonStyle::Group),
        button(u"Right"_s, FormatButtons::tr("Right Justified"), u"align-right"_s,
               EditCommand::JustifyRight, ButtonStyle::Group),
        separator(),
        button(u"Ordered"_s, FormatButtons::tr("Ordered List"), u"ordered-list"_s,
               EditCommand::OrderedList, ButtonStyle::Check),
        button(u"Unordered"_s, FormatButtons::tr("Unordered List"), u"unordered-list"_s,
               EditCommand::UnorderedList, ButtonStyle::Check),
        separator(),
        button(u"Hyperlink"_s, FormatButtons::tr("Hyperlink"), u"hyperlink"_s,
               EditCommand::Hyperlink, ButtonStyle::Plain),
        button(u"Image"_s, FormatButtons::tr("Image"), u"image"_s, EditCommand::Image,
               ButtonStyle::Plain),
        separator(),
        button(u"Font"_s, FormatButtons::tr("Font"), u"font"_s, EditCommand::Font,
               ButtonStyle::Plain),
    };
    return buttons;
}

std::optional<EditCommand> commandForKey(const QString &key) {
    for (const FormatButton &b : formatButtons()) {
        if (b.style != ButtonStyle::Separator && b.key == key)
            return b.command;
    }
    return std::nullopt;
}

QList<std::pair<QString, bool>>
buttonStates(const std::function<CommandStatus(EditCommand)> &queryStatus) {
    QList<std::pair<QString, bool>> states;
    for (const FormatButton &b : formatButtons()) {
        if (b.followsEditor)
            states.append({b.key, queryStatus(b.command) == CommandStatus::Latched});
    }
    return states;
}

} // namespace quillsite
