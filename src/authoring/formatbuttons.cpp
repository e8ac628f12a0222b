#include "authoring/formatbuttons.h"

#include "authoring/editcommand.h"

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

FormatButton button(const QString &key, const QString &toolTip, const QString &icon, int command,
                    ButtonStyle style) {
    return {key,     toolTip, u":/artwork/toolbar/"_s + icon + u".svg"_s,
            command, style,   style != ButtonStyle::Plain};
}

FormatButton separator() {
    return {};
}

} // namespace

const QList<FormatButton> &formatButtons() {
    static const QList<FormatButton> buttons = {
        button(u"Bold"_s, u"Bold"_s, u"bold"_s, Bold, ButtonStyle::Check),
        button(u"Italic"_s, u"Italic"_s, u"italic"_s, Italic, ButtonStyle::Check),
        button(u"Underline"_s, u"Underline"_s, u"underline"_s, Underline, ButtonStyle::Check),
        separator(),
        button(u"Left"_s, u"Left Justified"_s, u"align-left"_s, JustifyLeft, ButtonStyle::Group),
        button(u"Center"_s, u"Center Justified"_s, u"align-center"_s, JustifyCenter,
               ButtonStyle::Group),
        button(u"Right"_s, u"Right Justified"_s, u"align-right"_s, JustifyRight,
               ButtonStyle::Group),
        separator(),
        button(u"Ordered"_s, u"Ordered List"_s, u"ordered-list"_s, OrderedList, ButtonStyle::Check),
        button(u"Unordered"_s, u"Unordered List"_s, u"unordered-list"_s, UnorderedList,
               ButtonStyle::Check),
        separator(),
        button(u"Hyperlink"_s, u"Hyperlink"_s, u"hyperlink"_s, Hyperlink, ButtonStyle::Plain),
        button(u"Image"_s, u"Image"_s, u"image"_s, Image, ButtonStyle::Plain),
        separator(),
        button(u"Font"_s, u"Font"_s, u"font"_s, Font, ButtonStyle::Plain),
    };
    return buttons;
}

int commandForKey(const QString &key) {
    for (const FormatButton &b : formatButtons()) {
        if (b.style != ButtonStyle::Separator && b.key == key)
            return b.command;
    }
    return 0;
}

QList<std::pair<QString, bool>> buttonStates(const std::function<int(int)> &queryStatus) {
    QList<std::pair<QString, bool>> states;
    for (const FormatButton &b : formatButtons()) {
        if (b.followsEditor)
            states.append({b.key, queryStatus(b.command) == Latched});
    }
    return states;
}

} // namespace quillsite
