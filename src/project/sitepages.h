// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/website.h"

#include <QAbstractListModel>
#include <QList>
#include <QString>
#include <QStringList>

namespace quillsite {

// Names a page for as long as the model lives, wherever the page moves and whatever it is
// called. 0 names no page.
using PageId = quint64;

// The site's pages in menu order, as the page list shows them. "Home" is always the first
// and stays first; no two pages share a name or a file, in any letter case. Each page keeps
// its id through moves and renames, so what belongs to a page (its editor, say) is found
// by id, never by row.
//
// The list is its view's to reorder by dragging: an item's drag carries its id, and a drop
// moves it (never above Home). Pages are added, renamed and removed through the functions
// below, which keep the rules; the display text is the name.
class SitePages final : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role {
        IdRole = Qt::UserRole + 1,
        FileRole, // the file the page is built into
        BodyRole,
        SourceFolderRole,
    };

    // Holds Home, empty.
    explicit SitePages(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;
    // Moves within the list only, never Home nor anything above it.
    bool moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                  const QModelIndex &destinationParent, int destinationChild) override;

    int count() const { return int(m_pages.size()); }
    // 0 / -1 when there is no such row / page.
    PageId id(int row) const;
    int row(PageId id) const;
    // The page at `row`, which must exist.
    const SitePage &page(int row) const;
    QStringList names() const;
    // The pages in menu order, as the build takes them.
    QList<SitePage> sitePages() const;

    // Why `name` can't be the name of a page beside the others (`renamed` aside, when it is
    // the page being renamed), in the words of the Add Page dialog; empty when it can.
    QString nameProblem(const QString &name, PageId renamed = 0) const;
    // A name for a copy of the page at `row` that no page has.
    QString copyName(int row) const;

    // Adds `page`, whose name must be free, at `row` (after Home at the earliest; -1: last).
    PageId insertPage(int row, const SitePage &page);
    // Removes the page, unless it is Home.
    void removePage(PageId id);
    // Back to Home alone, empty.
    void clear();
    // Puts the page at `row`, counted as the list stands after the move. False when the page
    // is Home, or `row` is Home's or outside the list, or already its place.
    bool movePage(PageId id, int row);
    // Renames the page (never Home) and leads every link to its file in any page to the
    // file of the new name. Returns why the name can't be taken (nothing changes), or empty.
    QString renamePage(PageId id, const QString &name);
    // Adds a copy of the page named `name`, with the same content, just after it. Returns
    // its id, or 0 when the name can't be taken.
    PageId duplicatePage(PageId id, const QString &name);
    void setBody(PageId id, const QString &body, const QString &sourceFolder);

private:
    struct Entry {
        PageId id = 0;
        SitePage page;
    };

    void changed(int row, int role);

    QList<Entry> m_pages;
    PageId m_lastId = 0;
};

} // namespace quillsite
