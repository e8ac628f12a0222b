#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class LinkDialog;
}

namespace quillsite {

// Asks for the address a link leads to.
class LinkDialog final : public QDialog {
    Q_OBJECT

public:
    explicit LinkDialog(const QString &current, QWidget *parent = nullptr);
    ~LinkDialog() override;

    QString address() const;

private:
    std::unique_ptr<Ui::LinkDialog> m_ui;
};

} // namespace quillsite
