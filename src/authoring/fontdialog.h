#pragma once

#include "authoring/editordialogs.h"

#include <QDialog>

#include <memory>

namespace Ui {
class FontDialog;
}

namespace quillsite {

class DesktopServices;

// Asks for the face, size and colour of the selected text. The sizes offered are the seven
// a page can hold. The colour comes from `desktop`'s chooser; it must outlive the dialog.
class FontDialog final : public QDialog {
    Q_OBJECT

public:
    FontDialog(const FontChoice &current, DesktopServices &desktop, QWidget *parent = nullptr);
    ~FontDialog() override;

    FontChoice choice() const;

private:
    void chooseColor();
    void showColor();

    std::unique_ptr<Ui::FontDialog> m_ui;
    DesktopServices &m_desktop;
    QColor m_color;
};

} // namespace quillsite
