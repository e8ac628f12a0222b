// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/imagedialog.h"
#include "ui_imagedialog.h"

#include "platform/desktopservices.h"

#include <QDir>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace quillsite {

ImageDialog::ImageDialog(DesktopServices &desktop, const std::optional<ImageChoice> &current,
                         QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::ImageDialog>())
    , m_desktop(desktop) {
    m_ui->setupUi(this);
    if (current) {
        m_ui->txtPicture->setText(typedPicture(current->address));
        m_ui->txtAlternative->setText(current->alternativeText);
        m_ui->cboSize->setCurrentIndex(int(current->size));
    }
    auto updateOk = [this] {
        m_ui->buttons->button(QDialogButtonBox::Ok)
            ->setEnabled(!m_ui->txtPicture->text().trimmed().isEmpty());
    };
    connect(m_ui->txtPicture, &QLineEdit::textChanged, this, updateOk);
    connect(m_ui->cmdBrowse, &QPushButton::clicked, this, &ImageDialog::browse);
    connect(m_ui->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    updateOk();
}

ImageDialog::~ImageDialog() = default;

ImageChoice ImageDialog::choice() const {
    return {pictureAddress(m_ui->txtPicture->text()), m_ui->txtAlternative->text(),
            PictureSize(m_ui->cboSize->currentIndex())};
}

void ImageDialog::browse() {
    const QString path = m_desktop.chooseFile(
        this, tr("Choose a Picture"),
        tr("Pictures (*.png *.jpg *.jpeg *.gif *.bmp *.svg *.webp);;All files (*)"));
    if (!path.isEmpty())
        m_ui->txtPicture->setText(QDir::toNativeSeparators(path));
}

QString pictureAddress(const QString &typed) {
    const QString text = typed.trimmed();
    if (QDir::isAbsolutePath(text) && !text.startsWith(u"//"_s))
        return QUrl::fromLocalFile(QDir::fromNativeSeparators(text)).toString(QUrl::FullyEncoded);
    return text;
}

QString typedPicture(const QString &address) {
    const QUrl url(address);
    return url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : address;
}

} // namespace quillsite
