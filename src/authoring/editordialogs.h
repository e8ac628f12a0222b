#pragma once

#include <QColor>
#include <QString>

#include <optional>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace quillsite {

class DesktopServices;

// A picture to insert: its address (a file:// URL for a picture chosen from disk, or an
// address as typed) and the text shown in its place when it can't be seen.
struct ImageChoice {
    QString address;
    QString alternativeText;
};

// A font for the selection. An empty family, a size of 0 or an invalid colour leave that
// part of the selection's formatting as it is.
struct FontChoice {
    QString family;
    int pointSize = 0;
    QColor color;
};

// The questions the editor asks the user. Each returns no value when the user cancels.
// Tests replace the real dialogs through this interface.
class EditorDialogs {
public:
    virtual ~EditorDialogs() = default;

    virtual std::optional<QString> askLinkAddress(QWidget *parent, const QString &current) = 0;
    virtual std::optional<ImageChoice> askImage(QWidget *parent) = 0;
    virtual std::optional<FontChoice> askFont(QWidget *parent, const FontChoice &current) = 0;
};

// The real dialogs; their file and colour choosers come from `desktop`, which must outlive
// them.
class QtEditorDialogs final : public EditorDialogs {
public:
    explicit QtEditorDialogs(DesktopServices &desktop);

    std::optional<QString> askLinkAddress(QWidget *parent, const QString &current) override;
    std::optional<ImageChoice> askImage(QWidget *parent) override;
    std::optional<FontChoice> askFont(QWidget *parent, const FontChoice &current) override;

private:
    DesktopServices &m_desktop;
};

} // namespace quillsite
