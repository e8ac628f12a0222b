// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "authoring/editordialogs.h"

#include <QDialog>

#include <memory>

namespace Ui {
class ImageDialog;
}

namespace quillsite {

class DesktopServices;

// Asks for a picture, a file on disk or an address, its alternative text and its size; with
// `current`, shows that picture's to be changed. Browse asks `desktop` for the file; it must
// outlive the dialog.
class ImageDialog final : public QDialog {
    Q_OBJECT

public:
    explicit ImageDialog(DesktopServices &desktop,
                         const std::optional<ImageChoice> &current = std::nullopt,
                         QWidget *parent = nullptr);
    ~ImageDialog() override;

    ImageChoice choice() const;

private:
    void browse();

    std::unique_ptr<Ui::ImageDialog> m_ui;
    DesktopServices &m_desktop;
};

// The address of a picture as the user gave it: a full path to a file becomes a file URL,
// anything else (a web address, a relative path) is kept as typed / the other way round,
// a file URL shown as the file's path.
QString pictureAddress(const QString &typed);
QString typedPicture(const QString &address);

} // namespace quillsite
