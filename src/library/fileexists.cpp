// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/fileexists.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

bool isNormalFile(const QFileInfo &info) {
    return info.isFile() && !info.fileName().startsWith(u'.');
}

// Only * and ? are wildcards, as in a directory search; everything else is
// literal. A pattern ending in ".*" also matches names without an extension.
QRegularExpression wildcardExpression(const QString &pattern) {
    QString expression;
    QString literal;
    for (QChar ch : pattern) {
        if (ch != u'*' && ch != u'?') {
            literal += ch;
            continue;
        }
        expression += QRegularExpression::escape(literal) + (ch == u'*' ? u".*"_s : u"."_s);
        literal.clear();
    }
    expression += QRegularExpression::escape(literal);
    if (pattern.endsWith(u".*"_s))
        expression.insert(expression.size() - 4, u"(?:"_s).append(u")?"_s);
    return QRegularExpression(QRegularExpression::anchoredPattern(expression),
                              QRegularExpression::DotMatchesEverythingOption);
}

bool anyNormalFileMatches(const QFileInfo &pattern) {
    const QRegularExpression expression = wildcardExpression(pattern.fileName());
    const QDir folder = pattern.dir();
    if (!folder.exists())
        return false;
    const QFileInfoList entries = folder.entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
    return std::any_of(entries.cbegin(), entries.cend(), [&](const QFileInfo &entry) {
        return isNormalFile(entry) && expression.match(entry.fileName()).hasMatch();
    });
}

} // namespace

bool FileExists(const QString &path) {
    if (path.isEmpty() || path.contains(QChar::Null))
        return false;
    const QFileInfo info(path);
    if (info.fileName().contains(u'*') || info.fileName().contains(u'?'))
        return anyNormalFileMatches(info);
    return isNormalFile(info);
}

} // namespace quillsite
