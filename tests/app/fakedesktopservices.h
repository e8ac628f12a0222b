#pragma once

#include "authoring/editordialogs.h"
#include "platform/desktopservices.h"

#include <QList>
#include <QStringList>
#include <QUrl>

namespace quillsite {

// Answers for the window instead of a person, and records what it was asked.
class FakeDesktopServices final : public DesktopServices {
public:
    QString desktop = QStringLiteral("/home/tester/Desktop");
    QString login = QStringLiteral("tester");
    QString dataFolder;
    QStringList folderAnswers; // taken one per folder dialog; empty means cancelled

    QStringList warnings;
    QStringList folderDialogTitles;
    QList<QUrl> openedUrls;

    void warn(QWidget *, const QString &text) override { warnings.append(text); }
    bool ask(QWidget *, const QString &) override { return false; }
    QString chooseFolder(QWidget *, const QString &title) override {
        folderDialogTitles.append(title);
        return folderAnswers.isEmpty() ? QString() : folderAnswers.takeFirst();
    }
    QString chooseHtmlFile(QWidget *) override { return {}; }
    void openUrl(const QUrl &url) override { openedUrls.append(url); }
    QString desktopFolder() override { return desktop; }
    QString loginName() override { return login; }
    QString programDataFolder() override { return dataFolder; }
};

// The editor's own dialogs, always cancelled.
class CancellingEditorDialogs final : public EditorDialogs {
public:
    std::optional<QString> askLinkAddress(QWidget *, const QString &) override { return {}; }
    std::optional<ImageChoice> askImage(QWidget *) override { return {}; }
    std::optional<FontChoice> askFont(QWidget *, const FontChoice &) override { return {}; }
};

} // namespace quillsite
