// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/editorsnapshot.h"

#include "authoring/editcommand.h"

#include <QJsonObject>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

// The alignment commands describe one paragraph property: when the document reports more
// than one in force (a selection across paragraphs aligned differently), none is.
void keepOneAlignment(QHash<EditCommand, CommandStatus> &status) {
    const EditCommand alignments[] = {EditCommand::JustifyLeft, EditCommand::JustifyCenter,
                                      EditCommand::JustifyRight};
    const auto latched =
        std::count_if(std::begin(alignments), std::end(alignments), [&status](EditCommand c) {
            return status.value(c) == CommandStatus::Latched;
        });
    if (latched < 2)
        return;
    for (EditCommand command : alignments)
        status[command] = CommandStatus::Enabled;
}

} // namespace

CommandStatus commandStatus(bool enabled, bool inForce) {
    if (!enabled)
        return CommandStatus::Disabled;
    return inForce ? CommandStatus::Latched : CommandStatus::Enabled;
}

QColor colorFromCss(const QString &css) {
    static const QRegularExpression rgb(
        u"^\\s*rgba?\\(\\s*(\\d+)\\s*,\\s*(\\d+)\\s*,\\s*(\\d+)\\s*(?:,\\s*[\\d.]+\\s*)?\\)\\s*$"_s);
    const auto match = rgb.match(css);
    if (match.hasMatch())
        return QColor(match.captured(1).toInt(), match.captured(2).toInt(),
                      match.captured(3).toInt());
    return QColor::fromString(css.trimmed());
}

QString firstFontFamily(const QString &css) {
    QString family = css.section(u',', 0, 0).trimmed();
    if (family.size() >= 2 && (family.front() == u'"' || family.front() == u'\'') &&
        family.back() == family.front())
        family = family.mid(1, family.size() - 2);
    return family;
}

EditorSnapshot snapshotFromReport(const QJsonObject &report, const EditorSnapshot &previous) {
    EditorSnapshot snapshot;
    snapshot.loadId = report.value(u"loadId"_s).toInt();
    snapshot.request = report.value(u"request"_s).toInt();
    const bool sameDocument = snapshot.loadId == previous.loadId;
    const auto documentHtml = report.value(u"documentHtml"_s);
    snapshot.documentHtml =
        documentHtml.isString() || !sameDocument ? documentHtml.toString() : previous.documentHtml;
    const auto bodyHtml = report.value(u"bodyHtml"_s);
    snapshot.bodyHtml =
        bodyHtml.isString() || !sameDocument ? bodyHtml.toString() : previous.bodyHtml;

    const QJsonObject states = report.value(u"states"_s).toObject();
    for (EditCommand command : StatefulCommands) {
        const QJsonObject state = states.value(editingCommandName(command)).toObject();
        snapshot.status.insert(command, commandStatus(state.value(u"enabled"_s).toBool(),
                                                      state.value(u"state"_s).toBool()));
    }
    keepOneAlignment(snapshot.status);

    snapshot.hasCaret = report.value(u"hasCaret"_s).toBool();
    snapshot.touched = report.value(u"touched"_s).toBool();
    snapshot.paragraphStyle = report.value(u"paragraphStyle"_s).toString();
    snapshot.font.paragraphStyle = paragraphStyleOfTag(snapshot.paragraphStyle);
    snapshot.link = report.value(u"link"_s).toString();
    if (const QJsonValue picture = report.value(u"picture"_s); picture.isObject())
        snapshot.picture = ImageChoice{picture[u"src"_s].toString(), picture[u"alt"_s].toString(),
                                       pictureSize(picture[u"width"_s].toString())};
    snapshot.font.family = firstFontFamily(report.value(u"fontName"_s).toString());
    const int htmlSize = report.value(u"fontSize"_s).toString().toInt();
    snapshot.font.pointSize = htmlSize > 0 ? pointSizeOfHtmlFontSize(htmlSize) : 0;
    snapshot.font.color = colorFromCss(report.value(u"foreColor"_s).toString());
    return snapshot;
}

} // namespace quillsite
