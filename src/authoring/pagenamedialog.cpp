// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/pagenamedialog.h"

#include "platform/desktopservices.h"

#include <QLineEdit>

namespace quillsite {

using namespace Qt::StringLiterals;

PageNameDialog::PageNameDialog(const QString &title, const QString &name,
                               std::function<QString(const QString &)> problem,
                               DesktopServices &desktop, QWidget *parent)
    : QInputDialog(parent)
    , m_problem(std::move(problem))
    , m_desktop(desktop) {
    setObjectName(u"frmPageName"_s);
    setWindowTitle(title);
    setLabelText(tr("&Name:"));
    setTextValue(name);
    setOkButtonText(tr("OK"));
    setCancelButtonText(tr("&Cancel"));
}

void PageNameDialog::done(int result) {
    if (result == Accepted) {
        if (const QString problem = m_problem(textValue()); !problem.isEmpty()) {
            m_desktop.warn(this, problem);
            selectName();
            return;
        }
    }
    QInputDialog::done(result);
}

void PageNameDialog::showEvent(QShowEvent *event) {
    QInputDialog::showEvent(event);
    selectName();
}

void PageNameDialog::selectName() {
    if (auto *box = findChild<QLineEdit *>()) {
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
    }
}

} // namespace quillsite
