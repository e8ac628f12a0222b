// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/editorstylesheet.h"

#include "authoring/editorpage.h"

#include <QFile>
#include <QRegularExpression>

#include <optional>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

// A style sheet is a few kilobytes; anything far larger is not one.
constexpr qint64 MaxStyleSheetBytes = 1024 * 1024;

const QString DefaultStyleSheet = u":/editor/default-content.css"_s;

std::optional<QString> readStyleSheet(const QString &path) {
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxStyleSheetBytes) {
        qCWarning(lcEditor) << "Can't use the editor style sheet" << path << file.errorString();
        return std::nullopt;
    }
    return QString::fromUtf8(file.readAll());
}

} // namespace

EditorStyleSheet editorStyleSheetOf(const QString &templateFolder) {
    const QString folder = templateFolder + u"/files/"_s;
    if (const auto css = readStyleSheet(folder + u"editor.css"_s))
        return {*css, QUrl::fromLocalFile(folder)};
    return defaultEditorStyleSheet();
}

EditorStyleSheet defaultEditorStyleSheet() {
    return {readStyleSheet(DefaultStyleSheet).value_or(QString()), QUrl(u"qrc:/editor/"_s)};
}

QStringList fontFamilyLists(const QString &css) {
    static const QRegularExpression comment(u"/\\*.*?\\*/"_s,
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression declaration(u"(?<![-\\w])font-family\\s*:\\s*([^;{}!]+)"_s,
                                                QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression blanks(u"\\s+"_s);
    QStringList lists;
    const QString text = QString(css).remove(comment);
    for (const auto &match : declaration.globalMatch(text)) {
        const QString list = match.captured(1).replace(blanks, u" "_s).trimmed();
        if (!list.isEmpty() && !list.startsWith(u"var("_s) && !lists.contains(list))
            lists.append(list);
    }
    return lists;
}

} // namespace quillsite
