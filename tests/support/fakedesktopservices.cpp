// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakedesktopservices.h"

namespace quillsite {

namespace {

// The next queued answer, or the cancelled one when none is left.
template <typename T> T takeNext(QList<T> &answers) {
    return answers.isEmpty() ? T() : answers.takeFirst();
}

} // namespace

void FakeDesktopServices::warn(QWidget *, const QString &text) {
    warnings.append(text);
}

bool FakeDesktopServices::ask(QWidget *, const QString &question, DefaultAnswer preferred) {
    questions.append(question);
    questionDefaults.append(preferred);
    return takeNext(askAnswers);
}

QString FakeDesktopServices::chooseFolder(QWidget *, const QString &title) {
    folderTitles.append(title);
    return takeNext(folderAnswers);
}

QString FakeDesktopServices::chooseFile(QWidget *, const QString &title, const QString &filter) {
    fileQuestions.append({title, filter});
    return takeNext(fileAnswers);
}

QStringList FakeDesktopServices::chooseFiles(QWidget *, const QString &title,
                                             const QString &filter) {
    fileQuestions.append({title, filter});
    return takeNext(filesAnswers);
}

QColor FakeDesktopServices::chooseColour(QWidget *, const QColor &current) {
    colourQuestions.append(current);
    return takeNext(colourAnswers);
}

void FakeDesktopServices::openUrl(const QUrl &url) {
    openedUrls.append(url);
}

QString FakeDesktopServices::desktopFolder() {
    return desktop;
}

QString FakeDesktopServices::loginName() {
    return login;
}

QString FakeDesktopServices::stateFolder() {
    return state;
}

QString FakeDesktopServices::programDataFolder() {
    return dataFolder;
}

} // namespace quillsite
