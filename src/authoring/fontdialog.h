#pragma once

#include "authoring/editordialogs.h"

#include <QDialog>

#include <memory>

namespace Ui {
class FontDialog;
}

namespace quillsite {

// Asks for the face, size and colour of the selected text. The sizes offered are the seven
// a page can hold.
class FontDialog final : public QDialog {
    Q_OBJECT

public:
    explicit FontDialog(const FontChoice &current, QWidget *parent = nullptr);
    ~FontDialog() override;

    FontChoice choice() const;

private:
    void chooseColor();
    void showColor();

    std::unique_ptr<Ui::FontDialog> m_ui;
    QColor m_color;
};

} // namespace quillsite
