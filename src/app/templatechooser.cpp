// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/templatechooser.h"

#include "library/templatecatalog.h"
#include "platform/desktopservices.h"
#include "platform/handcursor.h"
#include "platform/startuplog.h"
#include "platform/urlpolicy.h"

#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

constexpr int FolderRole = Qt::UserRole;
constexpr QSize ThumbnailSize(80, 80);

QPixmap readPicture(const QString &path, const QSize &fitInto = {}) {
    if (path.isEmpty())
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (fitInto.isValid()) {
        const QSize size = reader.size();
        if (size.isValid() && (size.width() > fitInto.width() || size.height() > fitInto.height()))
            reader.setScaledSize(size.scaled(fitInto, Qt::KeepAspectRatio));
    }
    return QPixmap::fromImage(reader.read());
}

void setLabelText(QLabel *label, const QString &text) {
    label->setText(text);
    if (!label->wordWrap())
        label->adjustSize();
}

} // namespace

TemplateChooser::TemplateChooser(const TemplateChooserControls &controls, DesktopServices &desktop,
                                 QObject *parent)
    : QObject(parent)
    , m_controls(controls)
    , m_desktop(desktop) {
    m_controls.picSelTemp->setBackgroundRole(QPalette::Base);
    m_controls.picSelTemp->setForegroundRole(QPalette::Text);
    QPalette linkPalette = m_controls.lblWebsite->palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    m_controls.lblWebsite->setPalette(linkPalette);
    m_controls.lblWebsite->setCursor(handCursor(m_desktop.programDataFolder()));
    m_controls.lblWebsite->installEventFilter(this);

    connect(m_controls.lstTemplates, &QListWidget::itemSelectionChanged, this,
            &TemplateChooser::selectionChanged);
}

void TemplateChooser::LoadTemplates(const QString &templatesFolder) {
    QListWidget *list = m_controls.lstTemplates;
    for (const TemplateInfo &info : discoverTemplates(templatesFolder)) {
        auto *item = new QListWidgetItem(QIcon(thumbnail(info.thumbnailPath)), info.name);
        item->setData(FolderRole, info.folder);
        item->setToolTip(info.name);
        list->addItem(item);
    }
    if (list->count() > 0)
        list->setCurrentRow(0);
    else
        qCWarning(lcStartup, "No templates are installed in %s", qPrintable(templatesFolder));
}

bool TemplateChooser::isEmpty() const {
    return m_controls.lstTemplates->count() == 0;
}

QString TemplateChooser::chosenFolder() const {
    const QListWidgetItem *item = m_controls.lstTemplates->item(m_chosenRow);
    return item ? item->data(FolderRole).toString() : QString();
}

bool TemplateChooser::choose(const QString &folder) {
    const QStringList listed = folders();
    const qsizetype row = listed.indexOf(folder);
    if (row >= 0)
        m_controls.lstTemplates->setCurrentRow(int(row));
    return row >= 0;
}

QStringList TemplateChooser::folders() const {
    QStringList listed;
    for (int row = 0; row < m_controls.lstTemplates->count(); ++row)
        listed.append(m_controls.lstTemplates->item(row)->data(FolderRole).toString());
    return listed;
}

void TemplateChooser::selectionChanged() {
    QListWidget *list = m_controls.lstTemplates;
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (selected.isEmpty()) {
        // A click on empty space or a ctrl-click: the last choice stands.
        if (m_chosenRow >= 0)
            list->setCurrentRow(m_chosenRow, QItemSelectionModel::ClearAndSelect);
        return;
    }
    m_chosenRow = list->row(selected.constFirst());
    showDetails(chosenFolder());
}

void TemplateChooser::showDetails(const QString &templateFolder) {
    const TemplateDetails details = readTemplateDetails(templateFolder);
    const QPixmap preview = readPicture(details.previewPath);
    m_controls.picSelTemp->setPixmap(preview.isNull() ? m_controls.noPreview : preview);
    setLabelText(m_controls.lblAuthor, details.author);
    setLabelText(m_controls.lblWebsite, details.url);
    setLabelText(m_controls.lblDescription, details.description);
}

void TemplateChooser::openWebsite() {
    const QUrl address(m_controls.lblWebsite->text());
    if (isOpenableWebAddress(address))
        m_desktop.openUrl(address);
}

QPixmap TemplateChooser::thumbnail(const QString &path) const {
    const QPixmap picture = readPicture(path, ThumbnailSize);
    if (picture.isNull())
        return m_controls.noPreviewThumbnail;
    if (picture.size() == ThumbnailSize)
        return picture;
    // Every icon takes the same square, so the names line up beneath them.
    QPixmap square(ThumbnailSize);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    painter.drawPixmap((ThumbnailSize.width() - picture.width()) / 2,
                       (ThumbnailSize.height() - picture.height()) / 2, picture);
    return square;
}

bool TemplateChooser::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_controls.lblWebsite && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        openWebsite();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quillsite
