// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "authoring/linktarget.h"

#include <QDialog>

#include <memory>

QT_BEGIN_NAMESPACE
class QAbstractButton;
QT_END_NAMESPACE

namespace Ui {
class LinkDialog;
}

namespace quillsite {

class DesktopServices;

// Asks what a link leads to: a page of the site, a web address, an e-mail address or a
// file on this computer (chosen through `desktop`, which must outlive the dialog). Opened on
// an existing link, it shows that link and can remove it.
class LinkDialog final : public QDialog {
    Q_OBJECT

public:
    LinkDialog(const QString &current, const QStringList &pageNames, DesktopServices &desktop,
               QWidget *parent = nullptr);
    ~LinkDialog() override;

    // The address to link to; empty when the user removes the link.
    QString address() const;

private:
    void showTarget(const LinkTarget &target);
    LinkTarget target() const;
    LinkAddress chosenAddress() const;
    void choose(QAbstractButton *option);
    void checkAddress();
    void removeLink();
    void browse();

    std::unique_ptr<Ui::LinkDialog> m_ui;
    DesktopServices &m_desktop;
    QString m_current;
    bool m_removing = false;
};

} // namespace quillsite
