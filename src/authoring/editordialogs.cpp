#include "authoring/editordialogs.h"

#include "authoring/fontdialog.h"
#include "authoring/imagedialog.h"
#include "authoring/linkdialog.h"

namespace quillsite {

QtEditorDialogs::QtEditorDialogs(DesktopServices &desktop)
    : m_desktop(desktop) {}

std::optional<QString> QtEditorDialogs::askLinkAddress(QWidget *parent, const QString &current) {
    LinkDialog dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.address();
}

std::optional<ImageChoice> QtEditorDialogs::askImage(QWidget *parent) {
    ImageDialog dialog(m_desktop, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

std::optional<FontChoice> QtEditorDialogs::askFont(QWidget *parent, const FontChoice &current) {
    FontDialog dialog(current, m_desktop, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

} // namespace quillsite
