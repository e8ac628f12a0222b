#include "authoring/fontdialog.h"
#include "ui_fontdialog.h"

#include "authoring/editcommand.h"
#include "platform/desktopservices.h"

#include <QPixmap>

using namespace Qt::StringLiterals;

namespace quillsite {

FontDialog::FontDialog(const FontChoice &current, DesktopServices &desktop, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::FontDialog>())
    , m_desktop(desktop)
    , m_color(current.color) {
    m_ui->setupUi(this);
    if (!current.family.isEmpty())
        m_ui->cboFace->setCurrentFont(QFont(current.family));
    for (int htmlSize = 1; htmlSize <= 7; ++htmlSize) {
        const int points = pointSizeOfHtmlFontSize(htmlSize);
        m_ui->cboSize->addItem(QString::number(points), points);
    }
    const int size = current.pointSize > 0 ? current.pointSize : pointSizeOfHtmlFontSize(3);
    m_ui->cboSize->setCurrentIndex(htmlFontSize(size) - 1);
    showColor();
    connect(m_ui->cmdColor, &QPushButton::clicked, this, &FontDialog::chooseColor);
    connect(m_ui->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

FontDialog::~FontDialog() = default;

FontChoice FontDialog::choice() const {
    return {m_ui->cboFace->currentFont().family(), m_ui->cboSize->currentData().toInt(), m_color};
}

void FontDialog::chooseColor() {
    const QColor color =
        m_desktop.chooseColour(this, m_color.isValid() ? m_color : QColor(Qt::black));
    if (color.isValid()) {
        m_color = color;
        showColor();
    }
}

void FontDialog::showColor() {
    QPixmap swatch(16, 16);
    swatch.fill(m_color.isValid() ? m_color : QColor(Qt::black));
    m_ui->cmdColor->setIcon(swatch);
}

} // namespace quillsite
