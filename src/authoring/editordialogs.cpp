// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/editordialogs.h"

#include "authoring/fontdialog.h"
#include "authoring/imagedialog.h"
#include "authoring/linkdialog.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

// The widths of the sizes after Own, in the order of PictureSize.
const QStringList sizeWidths{u"33%"_s, u"50%"_s, u"100%"_s};

} // namespace

QString cssWidth(PictureSize size) {
    return size == PictureSize::Own ? QString() : sizeWidths[int(size) - 1];
}

PictureSize pictureSize(const QString &cssWidth) {
    const qsizetype index = sizeWidths.indexOf(cssWidth.trimmed());
    return index < 0 ? PictureSize::Own : PictureSize(index + 1);
}

QtEditorDialogs::QtEditorDialogs(DesktopServices &desktop)
    : m_desktop(desktop) {}

std::optional<QString> QtEditorDialogs::askLinkAddress(QWidget *parent, const QString &current,
                                                       const QStringList &pageNames) {
    LinkDialog dialog(current, pageNames, m_desktop, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.address();
}

std::optional<ImageChoice> QtEditorDialogs::askImage(QWidget *parent,
                                                     const std::optional<ImageChoice> &current) {
    ImageDialog dialog(m_desktop, current, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

std::optional<FontChoice> QtEditorDialogs::askFont(QWidget *parent, const FontChoice &current,
                                                   const QStringList &fontLists) {
    FontDialog dialog(current, fontLists, m_desktop, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

} // namespace quillsite
