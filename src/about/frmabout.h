// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QList>

#include <memory>

class QLabel;

namespace Ui {
class frmAbout;
}

namespace quillsite {

class DesktopServices;

// The About box: names the program and its maker, and links to the maker's
// web site. Created for each showing and destroyed when it closes.
class frmAbout final : public QDialog {
    Q_OBJECT

public:
    // `desktop` opens the link and gives the hand pointer; it must outlive the box.
    explicit frmAbout(DesktopServices &desktop, QWidget *parent = nullptr);
    ~frmAbout() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void lblLink_Click(int index);

    std::unique_ptr<Ui::frmAbout> m_ui;
    DesktopServices &m_desktop;
    QList<QLabel *> m_links; // lblLink_<i>
};

} // namespace quillsite
