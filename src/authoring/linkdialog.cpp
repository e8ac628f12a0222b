// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/linkdialog.h"
#include "ui_linkdialog.h"

#include "platform/desktopservices.h"

#include <QButtonGroup>
#include <QPushButton>

namespace quillsite {

LinkDialog::LinkDialog(const QString &current, const QStringList &pageNames,
                       DesktopServices &desktop, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::LinkDialog>())
    , m_desktop(desktop)
    , m_current(current) {
    m_ui->setupUi(this);
    m_ui->cboPage->addItems(pageNames);
    auto *kinds = new QButtonGroup(this);
    kinds->addButton(m_ui->optPage, int(LinkKind::Page));
    kinds->addButton(m_ui->optWeb, int(LinkKind::Web));
    kinds->addButton(m_ui->optEmail, int(LinkKind::Email));
    kinds->addButton(m_ui->optFile, int(LinkKind::File));
    showTarget(current.isEmpty() ? LinkTarget{} : linkTargetOf(current, pageNames));
    if (!current.isEmpty()) {
        QPushButton *remove =
            m_ui->buttons->addButton(tr("&Remove Link"), QDialogButtonBox::DestructiveRole);
        connect(remove, &QPushButton::clicked, this, &LinkDialog::removeLink);
    }

    // Working in a field chooses its kind of target.
    connect(m_ui->cboPage, &QComboBox::activated, this, [this] { choose(m_ui->optPage); });
    connect(m_ui->txtWeb, &QLineEdit::textEdited, this, [this] { choose(m_ui->optWeb); });
    connect(m_ui->txtEmail, &QLineEdit::textEdited, this, [this] { choose(m_ui->optEmail); });
    connect(m_ui->txtFile, &QLineEdit::textEdited, this, [this] { choose(m_ui->optFile); });
    connect(m_ui->cmdBrowse, &QPushButton::clicked, this, &LinkDialog::browse);
    connect(kinds, &QButtonGroup::idToggled, this, &LinkDialog::checkAddress);
    connect(m_ui->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    checkAddress();
}

LinkDialog::~LinkDialog() = default;

QString LinkDialog::address() const {
    return m_removing ? QString() : chosenAddress().address;
}

void LinkDialog::showTarget(const LinkTarget &target) {
    switch (target.kind) {
    case LinkKind::Page:
        m_ui->cboPage->setCurrentText(target.text);
        m_ui->optPage->setChecked(true);
        m_ui->cboPage->setFocus();
        break;
    case LinkKind::Web:
        m_ui->txtWeb->setText(target.text);
        m_ui->optWeb->setChecked(true);
        m_ui->txtWeb->setFocus();
        break;
    case LinkKind::Email:
        m_ui->txtEmail->setText(target.text);
        m_ui->optEmail->setChecked(true);
        m_ui->txtEmail->setFocus();
        break;
    case LinkKind::File:
        m_ui->txtFile->setText(target.text);
        m_ui->optFile->setChecked(true);
        m_ui->txtFile->setFocus();
        break;
    }
}

LinkTarget LinkDialog::target() const {
    if (m_ui->optPage->isChecked())
        return {LinkKind::Page, m_ui->cboPage->currentText()};
    if (m_ui->optEmail->isChecked())
        return {LinkKind::Email, m_ui->txtEmail->text()};
    if (m_ui->optFile->isChecked())
        return {LinkKind::File, m_ui->txtFile->text()};
    return {LinkKind::Web, m_ui->txtWeb->text()};
}

LinkAddress LinkDialog::chosenAddress() const {
    const LinkTarget chosen = target();
    // An existing address the dialog can't place (a relative one, say) stays as it was
    // unless the user changes it.
    if (chosen.kind == LinkKind::Web && !m_current.isEmpty() && chosen.text == m_current)
        return {m_current, QString()};
    return linkAddressOf(chosen);
}

void LinkDialog::choose(QAbstractButton *option) {
    option->setChecked(true);
    checkAddress();
}

void LinkDialog::checkAddress() {
    const LinkAddress chosen = chosenAddress();
    m_ui->lblProblem->setText(chosen.problem);
    m_ui->buttons->button(QDialogButtonBox::Ok)->setEnabled(chosen.problem.isEmpty());
}

void LinkDialog::browse() {
    const QString path =
        m_desktop.chooseFile(this, tr("Choose the File to Link To"), tr("All files (*)"));
    if (path.isEmpty())
        return;
    m_ui->txtFile->setText(path);
    choose(m_ui->optFile);
}

void LinkDialog::removeLink() {
    m_removing = true;
    accept();
}

} // namespace quillsite
