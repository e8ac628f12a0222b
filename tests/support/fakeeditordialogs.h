// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "authoring/editordialogs.h"

#include <QList>
#include <QStringList>

namespace quillsite {

// The editor's link, picture and font questions as a test sets them up: each takes the next
// answer from its queue and is recorded. An empty queue answers as a user who cancels.
class FakeEditorDialogs final : public EditorDialogs {
public:
    QStringList linkAnswers; // an empty address removes the link
    QList<ImageChoice> imageAnswers;
    QList<FontChoice> fontAnswers;

    QStringList linkQuestions;                        // the address each question offered
    QStringList linkPageNames;                        // the names the last link question offered
    QList<std::optional<ImageChoice>> imageQuestions; // the selected picture each offered
    QList<FontChoice> fontQuestions;                  // the font each question offered
    QStringList fontListsOffered;                     // the lists the last font question offered

    int questionCount() const;

    std::optional<QString> askLinkAddress(QWidget *parent, const QString &current,
                                          const QStringList &pageNames) override;
    std::optional<ImageChoice> askImage(QWidget *parent,
                                        const std::optional<ImageChoice> &current) override;
    std::optional<FontChoice> askFont(QWidget *parent, const FontChoice &current,
                                      const QStringList &fontLists) override;
};

} // namespace quillsite
