// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

class QUrl;
class QWidget;

namespace quillsite {

// What the windows ask of the desktop: message boxes, file, folder and colour
// choosers, opening addresses, and the defaults the system knows. Windows get
// it passed in, so that tests answer instead of a person.
class DesktopServices {
public:
    // The answer a question offers first, the one Enter gives.
    enum class DefaultAnswer { Yes, No };

    virtual ~DesktopServices() = default;

    // A warning the user can act on: exclamation icon, OK, title "Quillsite".
    virtual void warn(QWidget *parent, const QString &text) = 0;
    // A yes/no question with the question icon; true on Yes.
    virtual bool ask(QWidget *parent, const QString &question,
                     DefaultAnswer preferred = DefaultAnswer::Yes) = 0;
    // The chosen folder, or empty when the user cancels.
    virtual QString chooseFolder(QWidget *parent, const QString &title) = 0;
    // The chosen file, starting in the folder a file was last chosen in, or empty
    // when the user cancels. `filter` is a QFileDialog name filter.
    virtual QString chooseFile(QWidget *parent, const QString &title, const QString &filter) = 0;
    // As chooseFile, but any number of files, in the order chosen; empty when
    // the user cancels.
    virtual QStringList chooseFiles(QWidget *parent, const QString &title,
                                    const QString &filter) = 0;
    // The chosen colour, or an invalid colour when the user cancels.
    virtual QColor chooseColour(QWidget *parent, const QColor &current) = 0;
    // Opens a file or web address with the user's default program.
    virtual void openUrl(const QUrl &url) = 0;

    virtual QString desktopFolder() = 0;
    virtual QString loginName() = 0;
    // The folder that keeps the user's drafts and other state between runs;
    // empty: keep nothing.
    virtual QString stateFolder() = 0;
    // The folder holding templates, pages and hand.cur.
    virtual QString programDataFolder() = 0;
};

// The real desktop, with the program's data in `dataFolder`.
class SystemDesktopServices final : public DesktopServices {
public:
    explicit SystemDesktopServices(QString dataFolder);

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

private:
    QString m_dataFolder;
};

} // namespace quillsite
