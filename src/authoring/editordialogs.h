#pragma once

#include <QColor>
#include <QString>

#include <optional>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace quillsite {

class DesktopServices;

// How wide a picture is shown, as a share of the page's width; its own size
// is never wider than the page.
enum class PictureSize { Own, Small, Medium, FullWidth };

// A picture to insert or the one selected: its address (a file:// URL for a picture chosen
// from disk, or an address as typed), the text shown in its place when it can't be seen, and
// its size.
struct ImageChoice {
    QString address;
    QString alternativeText;
    PictureSize size = PictureSize::Own;
};

// The CSS width a size gives a picture ("50%"), empty for its own size / the size a CSS
// width stands for, its own size for any other width.
QString cssWidth(PictureSize size);
PictureSize pictureSize(const QString &cssWidth);

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
    // With a picture selected, `current` is that picture, to be changed rather than a new
    // one inserted.
    virtual std::optional<ImageChoice> askImage(QWidget *parent,
                                                const std::optional<ImageChoice> &current) = 0;
    virtual std::optional<FontChoice> askFont(QWidget *parent, const FontChoice &current) = 0;
};

// The real dialogs; their file and colour choosers come from `desktop`, which must outlive
// them.
class QtEditorDialogs final : public EditorDialogs {
public:
    explicit QtEditorDialogs(DesktopServices &desktop);

    std::optional<QString> askLinkAddress(QWidget *parent, const QString &current) override;
    std::optional<ImageChoice> askImage(QWidget *parent,
                                        const std::optional<ImageChoice> &current) override;
    std::optional<FontChoice> askFont(QWidget *parent, const FontChoice &current) override;

private:
    DesktopServices &m_desktop;
};

} // namespace quillsite
