// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/sitepages.h"

#include "builder/pagenames.h"
#include "project/pagenamecheck.h"
#include "project/pagerelink.h"

#include <QMimeData>
#include <QSet>

#include <algorithm>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

const QString pageIdFormat = u"application/x-quillsite-page-id"_s;

} // namespace

SitePages::SitePages(QObject *parent)
    : QAbstractListModel(parent) {
    m_pages.append({++m_lastId, {homePageName(), {}}});
}

int SitePages::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant SitePages::data(const QModelIndex &index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Entry &entry = m_pages[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::ToolTipRole:
        return entry.page.name;
    case IdRole:
        return entry.id;
    case FileRole:
        return pageFileName(entry.page.name);
    case BodyRole:
        return entry.page.body;
    case SourceFolderRole:
        return entry.page.sourceFolder;
    default:
        return {};
    }
}

Qt::ItemFlags SitePages::flags(const QModelIndex &index) const {
    // Drops land between the pages, never on one; Home can't be picked up.
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.row() > 0)
        flags |= Qt::ItemIsDragEnabled;
    return flags;
}

Qt::DropActions SitePages::supportedDropActions() const {
    return Qt::MoveAction;
}

QStringList SitePages::mimeTypes() const {
    return {pageIdFormat};
}

QMimeData *SitePages::mimeData(const QModelIndexList &indexes) const {
    if (indexes.size() != 1 || id(indexes.first().row()) == 0)
        return nullptr;
    auto *data = new QMimeData;
    data->setData(pageIdFormat, QByteArray::number(id(indexes.first().row())));
    return data;
}

bool SitePages::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int,
                             const QModelIndex &parent) {
    if (action != Qt::MoveAction || parent.isValid() || !data)
        return false;
    const int from = this->row(data->data(pageIdFormat).toULongLong());
    if (from < 0)
        return false;
    // The drop names the row it lands before; a page dropped above Home lands after it.
    const int before = row < 0 ? count() : std::max(row, 1);
    return moveRows({}, from, 1, {}, before);
}

bool SitePages::moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                         const QModelIndex &destinationParent, int destinationChild) {
    const int end = sourceRow + count;
    if (sourceParent.isValid() || destinationParent.isValid() || count < 1 || sourceRow < 1 ||
        end > this->count() || destinationChild < 1 || destinationChild > this->count() ||
        (destinationChild >= sourceRow && destinationChild <= end))
        return false;
    if (!beginMoveRows({}, sourceRow, end - 1, {}, destinationChild))
        return false;
    const auto first = m_pages.begin();
    if (destinationChild > sourceRow)
        std::rotate(first + sourceRow, first + end, first + destinationChild);
    else
        std::rotate(first + destinationChild, first + sourceRow, first + end);
    endMoveRows();
    return true;
}

PageId SitePages::id(int row) const {
    return row >= 0 && row < count() ? m_pages[row].id : 0;
}

int SitePages::row(PageId id) const {
    const auto found = std::find_if(m_pages.cbegin(), m_pages.cend(),
                                    [id](const Entry &entry) { return entry.id == id; });
    return found == m_pages.cend() ? -1 : int(found - m_pages.cbegin());
}

const SitePage &SitePages::page(int row) const {
    return m_pages[row].page;
}

QStringList SitePages::names() const {
    QStringList names;
    names.reserve(count());
    for (const Entry &entry : m_pages)
        names.append(entry.page.name);
    return names;
}

QList<SitePage> SitePages::sitePages() const {
    QList<SitePage> pages;
    pages.reserve(count());
    for (const Entry &entry : m_pages)
        pages.append(entry.page);
    return pages;
}

QString SitePages::nameProblem(const QString &name, PageId renamed) const {
    QStringList others = names();
    if (const int own = row(renamed); own >= 0)
        others.removeAt(own);
    return newPageNameProblem(name, others);
}

QString SitePages::copyName(int row) const {
    const QString name = tr("Copy of %1").arg(page(row).name);
    QString free = name;
    for (int n = 2; !nameProblem(free).isEmpty() && n <= count() + 2; ++n)
        free = name + u' ' + QString::number(n);
    return free;
}

PageId SitePages::insertPage(int row, const SitePage &page) {
    const int at = row < 0 ? count() : std::clamp(row, 1, count());
    beginInsertRows({}, at, at);
    m_pages.insert(at, {++m_lastId, page});
    endInsertRows();
    return m_lastId;
}

void SitePages::removePage(PageId id) {
    const int at = row(id);
    if (at <= 0)
        return;
    beginRemoveRows({}, at, at);
    m_pages.removeAt(at);
    endRemoveRows();
}

void SitePages::clear() {
    if (count() > 1) {
        beginRemoveRows({}, 1, count() - 1);
        m_pages.resize(1);
        endRemoveRows();
    }
    setBody(id(0), {}, {});
}

bool SitePages::movePage(PageId id, int row) {
    const int from = this->row(id);
    return from >= 0 && moveRows({}, from, 1, {}, row > from ? row + 1 : row);
}

QString SitePages::renamePage(PageId id, const QString &name) {
    const int at = row(id);
    if (at <= 0)
        return {};
    if (QString problem = nameProblem(name, id); !problem.isEmpty())
        return problem;
    const QString oldFile = pageFileName(m_pages[at].page.name);
    m_pages[at].page.name = name;
    changed(at, Qt::DisplayRole);
    if (pageFileName(name) == oldFile)
        return {};
    const QString newLink = pageLink(name);
    QSet<QString> otherFiles;
    for (const Entry &entry : std::as_const(m_pages))
        otherFiles.insert(pageFileName(entry.page.name));
    otherFiles.remove(oldFile);
    for (int i = 0; i < count(); ++i) {
        QString &body = m_pages[i].page.body;
        if (QString relinked = relinkPage(body, oldFile, newLink, otherFiles); relinked != body) {
            body = std::move(relinked);
            changed(i, BodyRole);
        }
    }
    return {};
}

PageId SitePages::duplicatePage(PageId id, const QString &name) {
    const int at = row(id);
    if (at < 0 || !nameProblem(name).isEmpty())
        return 0;
    SitePage copy = page(at);
    copy.name = name;
    return insertPage(at + 1, copy);
}

void SitePages::setBody(PageId id, const QString &body, const QString &sourceFolder) {
    const int at = row(id);
    if (at < 0)
        return;
    SitePage &page = m_pages[at].page;
    if (page.body == body && page.sourceFolder == sourceFolder)
        return;
    page.body = body;
    page.sourceFolder = sourceFolder;
    changed(at, BodyRole);
}

void SitePages::changed(int row, int role) {
    const QModelIndex changed = index(row);
    if (role == Qt::DisplayRole)
        emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole, FileRole});
    else
        emit dataChanged(changed, changed, {role});
}

} // namespace quillsite
