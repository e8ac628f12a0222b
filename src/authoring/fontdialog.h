// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "authoring/editordialogs.h"

#include <QDialog>

#include <memory>

namespace Ui {
class FontDialog;
}

namespace quillsite {

class DesktopServices;

// Asks for the paragraph style and the font, size and colour of the selected text. The
// fonts offered are the template's and the generic families every visitor has; the sizes
// are six a page can hold. What the user leaves as it was shown stays as it is. The colour
// comes from `desktop`'s chooser; it must outlive the dialog.
class FontDialog final : public QDialog {
    Q_OBJECT

public:
    FontDialog(const FontChoice &current, const QStringList &fontLists, DesktopServices &desktop,
               QWidget *parent = nullptr);
    ~FontDialog() override;

    FontChoice choice() const;

private:
    // What the controls show, changed or not.
    FontChoice selected() const;
    void fillStyles(const std::optional<ParagraphStyle> &current);
    void fillFaces(const QStringList &fontLists, const QString &currentFamily);
    void fillSizes(int currentPointSize);
    void chooseColor();
    void showColor();

    std::unique_ptr<Ui::FontDialog> m_ui;
    DesktopServices &m_desktop;
    FontChoice m_shown;
    QColor m_color;
};

} // namespace quillsite
