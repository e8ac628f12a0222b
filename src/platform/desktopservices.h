#pragma once

#include <QString>

class QUrl;
class QWidget;

namespace quillsite {

// What the windows ask of the desktop: message boxes, file and folder
// dialogs, opening addresses, and the defaults the system knows. Windows get
// it passed in, so that tests answer instead of a person.
class DesktopServices
{
public:
    virtual ~DesktopServices() = default;

    // A warning the user can act on: exclamation icon, OK, title "Quillsite".
    virtual void warn(QWidget *parent, const QString &text) = 0;
    // A yes/no question with the question icon; true on Yes.
    virtual bool ask(QWidget *parent, const QString &question) = 0;
    // The chosen folder, or empty when the user cancels.
    virtual QString chooseFolder(QWidget *parent, const QString &title) = 0;
    // The chosen HTML file, or empty when the user cancels.
    virtual QString chooseHtmlFile(QWidget *parent) = 0;
    // Opens a file or web address with the user's default program.
    virtual void openUrl(const QUrl &url) = 0;

    virtual QString desktopFolder() = 0;
    virtual QString loginName() = 0;
    // The folder holding templates, pages and hand.cur.
    virtual QString programDataFolder() = 0;
};

// The real desktop.
class SystemDesktopServices final : public DesktopServices
{
public:
    void warn(QWidget *parent, const QString &text) override;
    bool ask(QWidget *parent, const QString &question) override;
    QString chooseFolder(QWidget *parent, const QString &title) override;
    QString chooseHtmlFile(QWidget *parent) override;
    void openUrl(const QUrl &url) override;
    QString desktopFolder() override;
    QString loginName() override;
    QString programDataFolder() override;
};

} // namespace quillsite
