#include "authoring/linkdialog.h"
#include "ui_linkdialog.h"

#include <QPushButton>

namespace quillsite {

LinkDialog::LinkDialog(const QString &current, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::LinkDialog>()) {
    m_ui->setupUi(this);
    m_ui->txtAddress->setText(current);
    m_ui->txtAddress->selectAll();
    // Removing a link is what an empty address means, so it only makes sense on a link.
    m_ui->lblHint->setVisible(!current.isEmpty());
    auto updateOk = [this, hasLink = !current.isEmpty()] {
        m_ui->buttons->button(QDialogButtonBox::Ok)->setEnabled(hasLink || !address().isEmpty());
    };
    connect(m_ui->txtAddress, &QLineEdit::textChanged, this, updateOk);
    connect(m_ui->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    updateOk();
}

LinkDialog::~LinkDialog() = default;

QString LinkDialog::address() const {
    return m_ui->txtAddress->text().trimmed();
}

} // namespace quillsite
