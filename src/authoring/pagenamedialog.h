// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QInputDialog>

#include <functional>

namespace quillsite {

class DesktopServices;

// Asks for a page's name, offering `name` all selected. OK takes it only when `problem`
// finds nothing wrong with it; else the warning shows and the typed name stays, selected,
// to be put right.
class PageNameDialog final : public QInputDialog {
    Q_OBJECT

public:
    PageNameDialog(const QString &title, const QString &name,
                   std::function<QString(const QString &)> problem, DesktopServices &desktop,
                   QWidget *parent);

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void selectName();

    std::function<QString(const QString &)> m_problem;
    DesktopServices &m_desktop;
};

} // namespace quillsite
