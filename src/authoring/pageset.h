// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "authoring/editorstylesheet.h"
#include "authoring/newpagecounter.h"
#include "builder/website.h"
#include "project/sitepages.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QAction;
class QListView;
class QStackedWidget;
class QToolBar;
class QWidget;

namespace quillsite {

class DesktopServices;
class EditorDialogs;
class FormatToolbar;
class HtmlEditor;

// The controls of the Build Pages step that the page set works with. The
// window owns and places them; the page set fills them.
struct PageSetControls {
    // Shows the page names; the page set gives it the pages to show.
    QListView *lstMenu = nullptr;
    // Empty at start; receives one editor per page, named dhePage_<i> after its row.
    QStackedWidget *editors = nullptr;
    // Empty toolbars; they receive the page actions ("Add", "Delete", "Up", "Down",
    // "Rename", "Duplicate") and the formatting buttons, each action's objectName being
    // its key.
    QToolBar *tbrMenu = nullptr;
    QToolBar *tbrEdit = nullptr;
};

// The site's pages as the user edits them: the page list (SitePages) shown in lstMenu,
// and one editor per page, found by the page's id. The editor of the page in row i is
// named dhePage_<i>.
//
// Every page keeps its own editor instance for its whole life, so its document, undo
// history and scroll position stay with it, through moves and renames too. Deleting a
// page removes just that editor. Pages the user has only looked at give their web engine
// pages back once a few others were shown since. What an editor shows is copied into the
// page list as it changes, and a page whose content the list changes (a link that follows
// a renamed page) gets it in its editor.
//
// After every operation: one editor per page, "Home" first and permanent, names unique
// regardless of case, and the selected page's editor is the one on show.
class PageSet final : public QObject {
    Q_OBJECT

public:
    // Shows `pages` (which holds Home alone) in lstMenu, creates Home's editor dhePage_0
    // and selects Home. `pages`, `desktop` and `dialogs` must outlive the page set.
    PageSet(SitePages &pages, const PageSetControls &controls, DesktopServices &desktop,
            EditorDialogs &dialogs, QObject *parent = nullptr);
    ~PageSet() override;

    int count() const;
    QString pageName(int index) const;
    QStringList pageNames() const;
    HtmlEditor *editor(int index) const;

    // The selected position, -1 when nothing is selected.
    int selectedPage() const;
    void selectPage(int index);
    // What arriving on the Build Pages step does, from either direction.
    void selectHome();

    // Appends a page named `name` (already checked to be unique and usable)
    // and selects it; with a `path`, the page's document is that file. Returns
    // why the file can't be read (and nothing is added), or an empty text.
    QString appendPage(const QString &name, const QString &path = QString());

    // Gives the page in `row` the content `body`, its relative addresses leading from
    // `baseUrl`, in its editor and in the page list.
    void setPageContent(int row, const QString &body, const QUrl &baseUrl);

    // Back to the one page "Home", empty, without asking.
    void clear();

    // Asks, then deletes the selected page and selects Home. Nothing happens
    // when nothing or Home is selected, or when the user answers No.
    void DeletePage();

    // Shows the Add Page dialog modally over the window; a page it adds takes the focus.
    void showAddPage();

    // Moves the selected page one place up (-1) or down (+1), never above or onto Home.
    void moveSelected(int step);
    // Asks for a new name for the selected page (not Home) and renames it.
    void showRename();
    // Renames the page in `row`; links in the pages to its file follow. Returns why the
    // name can't be taken (nothing changes), or an empty text.
    QString renamePage(int row, const QString &name);
    // Asks for a name for a copy of the selected page, and adds the copy after it.
    void showDuplicate();

    // Copies what every editor shows now into the page list.
    void storeContent();

    // Shows every page's content, and that of pages added later, in this look.
    void setEditorStyleSheet(const EditorStyleSheet &styleSheet);

    // The pages in list order with the markup inside each document's body, as the editors
    // show them now.
    QList<SitePage> pages();

    // Waits until every editor gives its current content. Returns the first page
    // whose editor can't (its web engine kept failing), or -1 when all can.
    // Called before building, so that no page is built from stale content.
    int unreadablePage() const;

    // The default-name counter of the Add Page dialog: one for the whole run.
    NewPageCounter &newPageCounter();

    // Lends the selected page's editor to another window, which places it in
    // its own layout: the same document, undo history and spelling. Until
    // it is given back, the page list keeps still and the editor is
    // still this page's. Null when nothing is selected or it is lent already.
    HtmlEditor *lendSelectedEditor();
    // Puts the lent editor back in its place, showing the page as it was left.
    void giveBackEditor();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    HtmlEditor *createEditor();
    // Adds a page with its editor at `row` (-1: last) and selects it.
    void insertPage(int row, HtmlEditor *editor, const SitePage &page);
    void removeEditor(PageId id);
    void showSelected(int row);
    void updateActions();
    void releaseUnusedPages(HtmlEditor *shown);
    void renameEditors();
    void storeContent(PageId id);
    void showStoredContent(const QModelIndex &first, const QModelIndex &last,
                           const QList<int> &roles);

    SitePages &m_pages;
    PageSetControls m_controls;
    DesktopServices &m_desktop;
    EditorDialogs &m_dialogs;
    NewPageCounter m_counter;
    QAction *m_addAction = nullptr;
    QAction *m_deleteAction = nullptr;
    QAction *m_upAction = nullptr;
    QAction *m_downAction = nullptr;
    QAction *m_renameAction = nullptr;
    QAction *m_duplicateAction = nullptr;
    QHash<PageId, HtmlEditor *> m_editors;
    FormatToolbar *m_formatToolbar = nullptr;
    EditorStyleSheet m_styleSheet;
    // The editors shown last, the latest first.
    QList<QPointer<HtmlEditor>> m_recentlyShown;
    // The editor lent to another window, the page it belongs to and what
    // holds its place meanwhile.
    QPointer<HtmlEditor> m_lent;
    QWidget *m_lentPlaceholder = nullptr;
};

} // namespace quillsite
