// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/desktopservices.h"

#include "platform/recentfolder.h"
#include "platform/systeminfo.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {
const QString applicationTitle = u"Quillsite"_s;
}

SystemDesktopServices::SystemDesktopServices(QString dataFolder)
    : m_dataFolder(std::move(dataFolder)) {}

void SystemDesktopServices::warn(QWidget *parent, const QString &text) {
    QMessageBox::warning(parent, applicationTitle, text);
}

bool SystemDesktopServices::ask(QWidget *parent, const QString &question, DefaultAnswer preferred) {
    return QMessageBox::question(
               parent, applicationTitle, question, QMessageBox::Yes | QMessageBox::No,
               preferred == DefaultAnswer::No ? QMessageBox::No : QMessageBox::Yes) ==
           QMessageBox::Yes;
}

QString SystemDesktopServices::chooseFolder(QWidget *parent, const QString &title) {
    return QFileDialog::getExistingDirectory(parent, title, QString(), QFileDialog::ShowDirsOnly);
}

QString SystemDesktopServices::chooseFile(QWidget *parent, const QString &title,
                                          const QString &filter) {
    const QString file = QFileDialog::getOpenFileName(parent, title, lastFileFolder(), filter);
    rememberFileFolder(file);
    return file;
}

QStringList SystemDesktopServices::chooseFiles(QWidget *parent, const QString &title,
                                               const QString &filter) {
    const QStringList files =
        QFileDialog::getOpenFileNames(parent, title, lastFileFolder(), filter);
    if (!files.isEmpty())
        rememberFileFolder(files.constFirst());
    return files;
}

QColor SystemDesktopServices::chooseColour(QWidget *parent, const QColor &current) {
    return QColorDialog::getColor(
        current, parent, QCoreApplication::translate("DesktopServices", "Choose a Colour"));
}

void SystemDesktopServices::openUrl(const QUrl &url) {
    QDesktopServices::openUrl(url);
}

QString SystemDesktopServices::desktopFolder() {
    return quillsite::desktopFolder();
}

QString SystemDesktopServices::loginName() {
    return quillsite::loginName();
}

QString SystemDesktopServices::stateFolder() {
    return quillsite::stateFolder();
}

QString SystemDesktopServices::programDataFolder() {
    return m_dataFolder;
}

} // namespace quillsite
