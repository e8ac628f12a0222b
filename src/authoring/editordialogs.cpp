#include "authoring/editordialogs.h"

#include "authoring/fontdialog.h"
#include "authoring/imagedialog.h"
#include "authoring/linkdialog.h"

namespace quillsite {

QtEditorDialogs::QtEditorDialogs(DesktopServices &desktop)
    : m_desktop(desktop) {}

std::optional<QString> QtEditorDialogs::askLinkAddress(QWidget *parent, const QString &current,
                                                       const QStringList &pageNames) {
    LinkDialog dialog(current, pageNames, m_desktop, parent);
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

std::optional<FontChoice> QtEditorDialogs::askFont(QWidget *parent, const FontChoice &current,
                                                   const QStringList &fontLists) {
    FontDialog dialog(current, fontLists, m_desktop, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

} // namespace quillsite
