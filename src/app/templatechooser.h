// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPixmap>
#include <QString>
#include <QStringList>

class QLabel;
class QListWidget;

namespace quillsite {

class DesktopServices;

// The controls of the Select Template page that show the templates.
struct TemplateChooserControls {
    QListWidget *lstTemplates = nullptr;
    QLabel *picSelTemp = nullptr;
    QLabel *lblAuthor = nullptr;
    QLabel *lblWebsite = nullptr;
    QLabel *lblDescription = nullptr;
    QPixmap noPreview;          // shown in picSelTemp when a template has no preview
    QPixmap noPreviewThumbnail; // 80 x 80, for a template without a thumbnail
};

// Lists the templates with their thumbnails and shows the chosen one's
// preview and details. The chosen template is the selected list item; once
// one is chosen, one stays chosen.
class TemplateChooser final : public QObject {
    Q_OBJECT

public:
    TemplateChooser(const TemplateChooserControls &controls, DesktopServices &desktop,
                    QObject *parent = nullptr);

    // Lists the templates found in `templatesFolder` and chooses the first.
    void LoadTemplates(const QString &templatesFolder);

    bool isEmpty() const;
    // The chosen template's folder; empty when there is none.
    QString chosenFolder() const;
    // Chooses the listed template in `folder`; false when none is listed there.
    bool choose(const QString &folder);
    // Every listed template's folder, in list order.
    QStringList folders() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void selectionChanged();
    void showDetails(const QString &templateFolder);
    void openWebsite();
    QPixmap thumbnail(const QString &path) const;

    TemplateChooserControls m_controls;
    DesktopServices &m_desktop;
    int m_chosenRow = -1;
};

} // namespace quillsite
