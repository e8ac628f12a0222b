// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>

class QLineEdit;
class QWidget;

namespace Ui {
class frmAdd;
}

namespace quillsite {

class DesktopServices;
class PageSet;

// The Add Page dialog: adds one page to the page set, blank, opened from an
// HTML file, or from one of the ready-made pages beside the program. On a
// problem it warns and stays open; it closes once the page is added.
class frmAdd final : public QDialog {
    Q_OBJECT

public:
    enum AddMode { Blank = 1, Open = 2, Template = 3 };

    frmAdd(PageSet &pages, DesktopServices &desktop, QWidget *parent = nullptr);
    ~frmAdd() override;

    AddMode addMode() const;

private:
    void fillReadyMadePages();
    void setAddMode(AddMode mode);
    void browse();
    void add();
    void addReadyMadePage();
    void addSeveral();
    QString pageNameOf(const QString &path) const;
    QString appendFromFile(const QString &name, const QString &path);
    // Checks the name, appends the page and closes; else warns and stays.
    void AddPage(const QString &name, const QString &path);
    void warn(const QString &text, QWidget *focus);

    std::unique_ptr<Ui::frmAdd> m_ui;
    PageSet &m_pages;
    DesktopServices &m_desktop;
    QString m_pagesFolder;
    QStringList m_templateFolders; // a page one of them built gives only its content
    AddMode m_addMode = Blank;
    QStringList m_files; // when Browse chose several, in the order chosen
};

} // namespace quillsite
