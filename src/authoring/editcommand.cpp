#include "authoring/editcommand.h"

#include <algorithm>
#include <array>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

// The sizes browsers give the seven HTML font sizes, in points.
constexpr std::array<int, 7> HtmlSizePoints = {8, 10, 12, 14, 18, 24, 36};

} // namespace

QString editingCommandName(int command) {
    switch (command) {
    case Bold:
        return u"bold"_s;
    case Italic:
        return u"italic"_s;
    case Underline:
        return u"underline"_s;
    case JustifyLeft:
        return u"justifyLeft"_s;
    case JustifyCenter:
        return u"justifyCenter"_s;
    case JustifyRight:
        return u"justifyRight"_s;
    case OrderedList:
        return u"insertOrderedList"_s;
    case UnorderedList:
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
