#pragma once

#include "authoring/editordialogs.h"
#include "platform/desktopservices.h"

#include <QStringList>
#include <QUrl>

namespace quillsite {

// Answers for the page set and the Add Page dialog instead of a person.
class FakeDesktop final : public DesktopServices {
public:
    void warn(QWidget *, const QString &text) override { warnings.append(text); }
    bool ask(QWidget *, const QString &question) override {
        questions.append(question);
        return answerYes;
    }
    QString chooseFolder(QWidget *, const QString &) override { return {}; }
    QString chooseHtmlFile(QWidget *) override {
        ++fileDialogs;
        return chosenFile;
    }
    void openUrl(const QUrl &) override {}
    QString desktopFolder() override { return {}; }
    QString loginName() override { return {}; }
    QString programDataFolder() override { return dataFolder; }

    QStringList warnings;
    QStringList questions;
    bool answerYes = true;
    QString chosenFile;
    int fileDialogs = 0;
    QString dataFolder;
};

// The editor's link, picture and font questions, answered in advance.
class FakeEditorDialogs final : public EditorDialogs {
public:
    std::optional<QString> askLinkAddress(QWidget *, const QString &) override {
        return linkAddress;
    }
    std::optional<ImageChoice> askImage(QWidget *) override { return image; }
    std::optional<FontChoice> askFont(QWidget *, const FontChoice &) override { return font; }

    std::optional<QString> linkAddress;
    std::optional<ImageChoice> image;
    std::optional<FontChoice> font;
};

} // namespace quillsite
