// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "authoring/editorstylesheet.h"
#include "authoring/newpagecounter.h"
#include "builder/website.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QAction;
class QListWidget;
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
    // The page names. Holds the single entry "Home" from the window's design
    // (added here when it is empty).
    QListWidget *lstMenu = nullptr;
    // Empty at start; receives one editor per page, named dhePage_<i>.
    QStackedWidget *editors = nullptr;
    // Empty toolbars; they receive the "Add" and "Delete" actions and the
    // formatting buttons, each action's objectName being its key.
    QToolBar *tbrMenu = nullptr;
    QToolBar *tbrEdit = nullptr;
};

// The site's pages: entry i of lstMenu paired with editor dhePage_<i>.
//
// Every page keeps its own editor instance for its whole life, so its
// document, undo history and scroll position stay with it. Deleting a page
// removes just that editor; the later editors move up one place and are
// renamed to match their new position. Pages the user has only looked at
// give their web engine pages back once a few others were shown since.
//
// After every operation: one list entry per editor in the same order, "Home"
// first and permanent, names unique regardless of case, and the selected
// page's editor is the one on show.
class PageSet final : public QObject {
    Q_OBJECT

public:
    // Creates Home's editor dhePage_0 and selects Home. `desktop` and
    // `dialogs` must outlive the page set.
    PageSet(const PageSetControls &controls, DesktopServices &desktop, EditorDialogs &dialogs,
            QObject *parent = nullptr);
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

    // Back to the one page "Home", empty, without asking.
    void clear();

    // Asks, then deletes the selected page and selects Home. Nothing happens
    // when nothing or Home is selected, or when the user answers No.
    void DeletePage();

    // Shows the Add Page dialog modally over the window; a page it adds takes the focus.
    void showAddPage();

    // Shows every page's content, and that of pages added later, in this look.
    void setEditorStyleSheet(const EditorStyleSheet &styleSheet);

    // The pages in list order with the markup inside each document's body.
    QList<SitePage> pages() const;

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

signals:
    // A page's content, the pages or their names may have changed.
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    HtmlEditor *createEditor();
    void showSelected(int row);
    void releaseUnusedPages(HtmlEditor *shown);
    void renameEditors();

    PageSetControls m_controls;
    DesktopServices &m_desktop;
    EditorDialogs &m_dialogs;
    NewPageCounter m_counter;
    QAction *m_addAction = nullptr;
    QAction *m_deleteAction = nullptr;
    FormatToolbar *m_formatToolbar = nullptr;
    EditorStyleSheet m_styleSheet;
    // The editors shown last, the latest first.
    QList<QPointer<HtmlEditor>> m_recentlyShown;
    // The editor lent to another window, the page it belongs to and what
    // holds its place meanwhile.
    QPointer<HtmlEditor> m_lent;
    int m_lentIndex = -1;
    QWidget *m_lentPlaceholder = nullptr;
};

} // namespace quillsite
