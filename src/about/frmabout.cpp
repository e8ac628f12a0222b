// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/frmabout.h"
#include "ui_frmabout.h"

#include "artwork.h"
#include "buildinfo.h"
#include "platform/desktopservices.h"
#include "platform/handcursor.h"
#include "platform/urlpolicy.h"

#include <QIcon>
#include <QMouseEvent>
#include <QUrl>

namespace quillsite {

frmAbout::frmAbout(DesktopServices &desktop, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_ui(std::make_unique<Ui::frmAbout>())
    , m_desktop(desktop) {
    m_ui->setupUi(this);
    m_ui->Picture3->setPixmap(QIcon(artwork::WordMark.toString()).pixmap(m_ui->Picture3->size()));
    m_ui->Picture2->setPixmap(QIcon(artwork::Globe.toString()).pixmap(QSize(48, 48)));
    m_ui->Label2->setText(QString::fromUtf8(QUILLSITE_MAKER));

    m_links = {m_ui->lblLink_0};
    for (QLabel *link : std::as_const(m_links)) {
        link->setText(QString::fromUtf8(QUILLSITE_HOMEPAGE));
        link->setCursor(handCursor(m_desktop.programDataFolder()));
        link->installEventFilter(this);
    }

    connect(m_ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    // Fixed size: the designed size, or larger where this system's fonts need it.
    setFixedSize(size().expandedTo(minimumSizeHint()));
}

frmAbout::~frmAbout() = default;

bool frmAbout::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const auto index = m_links.indexOf(watched);
        if (index >= 0 && mouse->button() == Qt::LeftButton &&
            m_links.at(index)->rect().contains(mouse->position().toPoint())) {
            lblLink_Click(int(index));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Opens the address that the link shows; the dialog stays open. Only web and
// mail addresses are handed on.
void frmAbout::lblLink_Click(int index) {
    const QUrl address(m_links.at(index)->text());
    if (isOpenableWebAddress(address))
        m_desktop.openUrl(address);
}

} // namespace quillsite
