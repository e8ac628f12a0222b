// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakeeditordialogs.h"

namespace quillsite {

namespace {

template <typename T> std::optional<T> takeNext(QList<T> &answers) {
    if (answers.isEmpty())
        return std::nullopt;
    return answers.takeFirst();
}

} // namespace

int FakeEditorDialogs::questionCount() const {
    return int(linkQuestions.size() + fontQuestions.size() + imageQuestions.size());
}

std::optional<QString> FakeEditorDialogs::askLinkAddress(QWidget *, const QString &current,
                                                         const QStringList &pageNames) {
    linkQuestions.append(current);
    linkPageNames = pageNames;
    return takeNext(linkAnswers);
}

std::optional<ImageChoice> FakeEditorDialogs::askImage(QWidget *,
                                                       const std::optional<ImageChoice> &current) {
    imageQuestions.append(current);
    return takeNext(imageAnswers);
}

std::optional<FontChoice> FakeEditorDialogs::askFont(QWidget *, const FontChoice &current,
                                                     const QStringList &fontLists) {
    fontQuestions.append(current);
    fontListsOffered = fontLists;
    return takeNext(fontAnswers);
}

} // namespace quillsite
