// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/desktopservices.h"

#include <QList>
#include <QStringList>
#include <QUrl>

namespace quillsite {

// The desktop as a test sets it up: each question takes the next answer from its queue and is
// recorded. An empty queue answers as a user who cancels: No, no folder, no file, no colour.
class FakeDesktopServices final : public DesktopServices {
public:
    // A file chooser as it was opened.
    struct FileQuestion {
        QString title;
        QString filter;
    };

    QList<bool> askAnswers;
    QStringList folderAnswers;
    QStringList fileAnswers;
    QList<QStringList> filesAnswers; // for choosers of several files
    QList<QColor> colourAnswers;

    QString desktop = QStringLiteral("/home/tester/Desktop");
    QString login = QStringLiteral("tester");
    QString dataFolder;
    QString state; // empty: the window keeps no drafts

    QStringList warnings;
    QStringList questions;
    QList<DefaultAnswer> questionDefaults; // what each question offered first
    QStringList folderTitles;
    QList<FileQuestion> fileQuestions;
    QList<QColor> colourQuestions; // the colour each chooser started with
    QList<QUrl> openedUrls;

    void warn(QWidget *parent, const QString &text) override;
    bool ask(QWidget *parent, const QString &question, DefaultAnswer preferred) override;
    QString chooseFolder(QWidget *parent, const QString &title) override;
    QString chooseFile(QWidget *parent, const QString &title, const QString &filter) override;
    QStringList chooseFiles(QWidget *parent, const QString &title, const QString &filter) override;
    QColor chooseColour(QWidget *parent, const QColor &current) override;
    void openUrl(const QUrl &url) override;
    QString desktopFolder() override;
    QString loginName() override;
    QString stateFolder() override;
    QString programDataFolder() override;
};

} // namespace quillsite
