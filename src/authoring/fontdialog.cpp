// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/fontdialog.h"
#include "ui_fontdialog.h"

#include "authoring/editcommand.h"
#include "authoring/editorsnapshot.h"
#include "platform/desktopservices.h"

#include <QPixmap>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

// The HTML sizes offered: the seventh has no standard CSS keyword.
constexpr int LargestHtmlSize = 6;

template <typename T> T changedOrNone(const T &chosen, const T &shown) {
    return chosen == shown ? T() : chosen;
}

} // namespace

FontDialog::FontDialog(const FontChoice &current, const QStringList &fontLists,
                       DesktopServices &desktop, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::FontDialog>())
    , m_desktop(desktop)
    , m_color(current.color) {
    m_ui->setupUi(this);
    fillStyles(current.paragraphStyle);
    fillFaces(fontLists, current.family);
    fillSizes(current.pointSize);
    m_shown = selected();
    showColor();
    connect(m_ui->cmdColor, &QPushButton::clicked, this, &FontDialog::chooseColor);
    connect(m_ui->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

FontDialog::~FontDialog() = default;

FontChoice FontDialog::choice() const {
    const FontChoice chosen = selected();
    return {changedOrNone(chosen.family, m_shown.family),
            changedOrNone(chosen.pointSize, m_shown.pointSize),
            changedOrNone(chosen.color, m_shown.color),
            changedOrNone(chosen.paragraphStyle, m_shown.paragraphStyle)};
}

FontChoice FontDialog::selected() const {
    return {m_ui->cboFace->currentData().toString(), m_ui->cboSize->currentData().toInt(), m_color,
            paragraphStyleOfTag(m_ui->cboStyle->currentData().toString())};
}

void FontDialog::fillStyles(const std::optional<ParagraphStyle> &current) {
    for (ParagraphStyle style : ParagraphStyles)
        m_ui->cboStyle->addItem(paragraphStyleName(style), paragraphTag(style));
    m_ui->cboStyle->setCurrentIndex(static_cast<int>(current.value_or(ParagraphStyle::Normal)));
}

void FontDialog::fillFaces(const QStringList &fontLists, const QString &currentFamily) {
    // Shown first: the text's own font when it is none of those offered, kept as it is.
    m_ui->cboFace->addItem(currentFamily.isEmpty() ? tr("(as it is)") : currentFamily, QString());
    for (const QString &list : fontLists)
        m_ui->cboFace->addItem(firstFontFamily(list), list);
    m_ui->cboFace->addItem(tr("Serif (any)"), u"serif"_s);
    m_ui->cboFace->addItem(tr("Sans-serif (any)"), u"sans-serif"_s);
    m_ui->cboFace->addItem(tr("Monospace (any)"), u"monospace"_s);
    for (int i = 1; i < m_ui->cboFace->count(); ++i) {
        if (firstFontFamily(m_ui->cboFace->itemData(i).toString()) == currentFamily) {
            m_ui->cboFace->removeItem(0);
            m_ui->cboFace->setCurrentIndex(i - 1);
            return;
        }
    }
}

void FontDialog::fillSizes(int currentPointSize) {
    for (int htmlSize = 1; htmlSize <= LargestHtmlSize; ++htmlSize) {
        const int points = pointSizeOfHtmlFontSize(htmlSize);
        m_ui->cboSize->addItem(QString::number(points), points);
    }
    const int size = currentPointSize > 0 ? currentPointSize : pointSizeOfHtmlFontSize(3);
    m_ui->cboSize->setCurrentIndex(std::min(htmlFontSize(size), LargestHtmlSize) - 1);
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
