// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "authoring/paragraphstyle.h"

#include <QColor>
#include <QString>
#include <QStringList>

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

// A font for the selection. An empty family (a CSS font-family list), a size of 0, an
// invalid colour or no paragraph style leave that part of the formatting as it is.
struct FontChoice {
    QString family;
    int pointSize = 0;
    QColor color;
    std::optional<ParagraphStyle> paragraphStyle;
};

// The questions the editor asks the user. Each returns no value when the user cancels.
// Tests replace the real dialogs through this interface.
class EditorDialogs {
public:
    virtual ~EditorDialogs() = default;

    // The address of the link at the selection (current, empty for a new one), given the
    // site's page names; an empty answer removes the link.
    virtual std::optional<QString> askLinkAddress(QWidget *parent, const QString &current,
                                                  const QStringList &pageNames) = 0;
    // With a picture selected, `current` is that picture, to be changed rather than a new
    // one inserted.
    virtual std::optional<ImageChoice> askImage(QWidget *parent,
                                                const std::optional<ImageChoice> &current) = 0;
    // The font lists offered are the template's (fontLists) and the generic families.
    virtual std::optional<FontChoice> askFont(QWidget *parent, const FontChoice &current,
                                              const QStringList &fontLists) = 0;
};

// The real dialogs; their file and colour choosers come from `desktop`, which must outlive
// them.
class QtEditorDialogs final : public EditorDialogs {
public:
    explicit QtEditorDialogs(DesktopServices &desktop);

    std::optional<QString> askLinkAddress(QWidget *parent, const QString &current,
                                          const QStringList &pageNames) override;
    std::optional<ImageChoice> askImage(QWidget *parent,
                                        const std::optional<ImageChoice> &current) override;
    std::optional<FontChoice> askFont(QWidget *parent, const FontChoice &current,
                                      const QStringList &fontLists) override;

private:
    DesktopServices &m_desktop;
};

} // namespace quillsite
