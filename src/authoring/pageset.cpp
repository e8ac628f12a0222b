// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/pageset.h"

#include "authoring/formattoolbar.h"
#include "authoring/frmadd.h"
#include "authoring/htmleditor.h"
#include "authoring/pagenamedialog.h"
#include "builder/pagenames.h"
#include "platform/desktopservices.h"
#include "platform/systeminfo.h"

#include <QAction>
#include <QDir>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QListView>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QToolBar>
#include <QUrl>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

// How many of the pages shown last keep their web engine pages, so that going back to
// them shows them at once.
constexpr qsizetype RecentPagesKept = 8;

QString editorName(int index) {
    return u"dhePage_"_s + QString::number(index);
}

// A button of the page list's toolbar; with a key, also the key's while the list has the
// focus, which the tooltip names.
QAction *addMenuAction(QToolBar *toolbar, const QString &key, const QString &toolTip,
                       const QString &icon, const QKeySequence &shortcut = {}) {
    QAction *action = toolbar->addAction(QIcon(u":/artwork/toolbar/"_s + icon + u".svg"_s), key);
    action->setObjectName(key);
    action->setToolTip(shortcut.isEmpty() ? toolTip
                                          : toolTip + u" ("_s +
                                                shortcut.toString(QKeySequence::NativeText) + u')');
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WidgetShortcut);
    }
    if (QWidget *button = toolbar->widgetForAction(action))
        button->setFixedSize(22, 22);
    return action;
}

} // namespace

PageSet::PageSet(SitePages &pages, const PageSetControls &controls, DesktopServices &desktop,
                 EditorDialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_pages(pages)
    , m_controls(controls)
    , m_desktop(desktop)
    , m_dialogs(dialogs)
    , m_styleSheet(defaultEditorStyleSheet()) {
    QToolBar *toolbar = m_controls.tbrMenu;
    toolbar->setIconSize(QSize(16, 16));
    // Six buttons side by side fill the width of the list below them.
    toolbar->layout()->setSpacing(0);
    m_addAction = addMenuAction(toolbar, u"Add"_s, tr("Add Page"), u"add-page"_s);
    m_deleteAction = addMenuAction(toolbar, u"Delete"_s, tr("Delete Page"), u"delete-page"_s);
    m_upAction = addMenuAction(toolbar, u"Up"_s, tr("Move Page Up"), u"move-up"_s,
                               QKeySequence(Qt::ALT | Qt::Key_Up));
    m_downAction = addMenuAction(toolbar, u"Down"_s, tr("Move Page Down"), u"move-down"_s,
                                 QKeySequence(Qt::ALT | Qt::Key_Down));
    m_renameAction = addMenuAction(toolbar, u"Rename"_s, tr("Rename Page"), u"rename-page"_s,
                                   QKeySequence(Qt::Key_F2));
    m_duplicateAction = addMenuAction(toolbar, u"Duplicate"_s, tr("Duplicate Page"),
                                      u"duplicate-page"_s, QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(m_addAction, &QAction::triggered, this, &PageSet::showAddPage);
    connect(m_deleteAction, &QAction::triggered, this, &PageSet::DeletePage);
    connect(m_upAction, &QAction::triggered, this, [this] { moveSelected(-1); });
    connect(m_downAction, &QAction::triggered, this, [this] { moveSelected(1); });
    connect(m_renameAction, &QAction::triggered, this, &PageSet::showRename);
    connect(m_duplicateAction, &QAction::triggered, this, &PageSet::showDuplicate);
    // Their keys act while the list has the focus.
    m_controls.lstMenu->addActions({m_upAction, m_downAction, m_renameAction, m_duplicateAction});

    m_formatToolbar = new FormatToolbar(
        m_controls.tbrEdit, [this] { return editor(selectedPage()); }, this);

    QListView *list = m_controls.lstMenu;
    list->setModel(&m_pages);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setDragDropMode(QAbstractItemView::InternalMove);
    list->setDefaultDropAction(Qt::MoveAction);
    list->setDragDropOverwriteMode(false);
    list->setDropIndicatorShown(true);
    connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { showSelected(current.row()); });
    connect(list, &QAbstractItemView::doubleClicked, this, &PageSet::showRename);
    connect(&m_pages, &QAbstractItemModel::rowsMoved, this, [this] {
        renameEditors();
        updateActions();
    });
    connect(&m_pages, &QAbstractItemModel::dataChanged, this, &PageSet::showStoredContent);

    HtmlEditor *home = createEditor();
    m_controls.editors->addWidget(home);
    m_editors.insert(m_pages.id(0), home);
    connect(home, &HtmlEditor::DisplayChanged, this,
            [this, id = m_pages.id(0)] { storeContent(id); });
    // Home's page starts the web engine now rather than on the first visit to the pages.
    home->preparePage();
    renameEditors();
    list->installEventFilter(this);
    selectHome();
}

PageSet::~PageSet() = default;

int PageSet::count() const {
    return m_pages.count();
}

QString PageSet::pageName(int index) const {
    return index >= 0 && index < count() ? m_pages.page(index).name : QString();
}

QStringList PageSet::pageNames() const {
    return m_pages.names();
}

HtmlEditor *PageSet::editor(int index) const {
    return m_editors.value(m_pages.id(index));
}

int PageSet::selectedPage() const {
    return m_controls.lstMenu->currentIndex().row();
}

void PageSet::selectPage(int index) {
    m_controls.lstMenu->setCurrentIndex(m_pages.index(index));
    // Setting the row it already has reports nothing; show it all the same.
    showSelected(selectedPage());
}

void PageSet::selectHome() {
    selectPage(0);
}

QString PageSet::appendPage(const QString &name, const QString &path) {
    HtmlEditor *page = createEditor();
    if (const QString error = path.isEmpty() ? QString() : page->LoadDocument(path);
        !error.isEmpty()) {
        delete page;
        return error;
    }
    insertPage(-1, page, {name, {}});
    return {};
}

void PageSet::insertPage(int row, HtmlEditor *editor, const SitePage &page) {
    m_controls.editors->addWidget(editor);
    // The editor is known by the page's id before the list shows the page.
    const PageId id = m_pages.insertPage(row, page);
    m_editors.insert(id, editor);
    connect(editor, &HtmlEditor::DisplayChanged, this, [this, id] { storeContent(id); });
    renameEditors();
    selectPage(m_pages.row(id));
}

void PageSet::setPageContent(int row, const QString &body, const QUrl &baseUrl) {
    if (HtmlEditor *page = editor(row)) {
        page->setBodyHTML(body, baseUrl);
        storeContent(m_pages.id(row));
    }
}

void PageSet::DeletePage() {
    const int k = selectedPage();
    if (k <= 0)
        return;
    if (!m_desktop.ask(m_controls.lstMenu->window(),
                       tr("Are you sure you want to delete '%1'?").arg(pageName(k))))
        return;
    const PageId id = m_pages.id(k);
    {
        // The list and the editors agree again only once both have lost the page.
        const QSignalBlocker blocker(m_controls.lstMenu->selectionModel());
        m_pages.removePage(id);
    }
    removeEditor(id);
    renameEditors();
    selectHome();
}

void PageSet::removeEditor(PageId id) {
    HtmlEditor *gone = m_editors.take(id);
    m_controls.editors->removeWidget(gone);
    delete gone;
}

void PageSet::clear() {
    {
        const QSignalBlocker blocker(m_controls.lstMenu->selectionModel());
        const QList<PageId> gone = m_editors.keys();
        m_pages.clear();
        for (const PageId id : gone) {
            if (m_pages.row(id) < 0)
                removeEditor(id);
        }
    }
    setPageContent(0, {}, editor(0)->baseUrl());
    selectHome();
}

void PageSet::showAddPage() {
    const int pagesBefore = count();
    {
        frmAdd dialog(*this, m_desktop, m_controls.lstMenu->window());
        dialog.exec();
    }
    if (count() > pagesBefore)
        editor(selectedPage())->focusAtStart();
}

void PageSet::moveSelected(int step) {
    const int row = selectedPage();
    if (m_pages.movePage(m_pages.id(row), row + step))
        m_controls.lstMenu->scrollTo(m_controls.lstMenu->currentIndex());
}

void PageSet::showRename() {
    const int row = selectedPage();
    if (row <= 0)
        return;
    const PageId id = m_pages.id(row);
    PageNameDialog dialog(
        tr("Rename Page"), pageName(row),
        [this, id](const QString &name) { return m_pages.nameProblem(name, id); }, m_desktop,
        m_controls.lstMenu->window());
    if (dialog.exec() == QDialog::Accepted)
        renamePage(m_pages.row(id), dialog.textValue());
}

QString PageSet::renamePage(int row, const QString &name) {
    // The links are changed in what the editors show now, not in what they showed last.
    storeContent();
    return m_pages.renamePage(m_pages.id(row), name);
}

void PageSet::showDuplicate() {
    const int row = selectedPage();
    if (row < 0)
        return;
    PageNameDialog dialog(
        tr("Duplicate Page"), m_pages.copyName(row),
        [this](const QString &name) { return m_pages.nameProblem(name); }, m_desktop,
        m_controls.lstMenu->window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    storeContent(m_pages.id(row));
    SitePage copy = m_pages.page(row);
    copy.name = dialog.textValue();
    const QUrl baseUrl = editor(row)->baseUrl();
    insertPage(row + 1, createEditor(), copy);
    setPageContent(row + 1, copy.body, baseUrl);
}

void PageSet::setEditorStyleSheet(const EditorStyleSheet &styleSheet) {
    m_styleSheet = styleSheet;
    for (HtmlEditor *page : std::as_const(m_editors))
        page->setStyleSheet(styleSheet);
}

QList<SitePage> PageSet::pages() {
    storeContent();
    return m_pages.sitePages();
}

void PageSet::storeContent() {
    for (int row = 0; row < count(); ++row)
        storeContent(m_pages.id(row));
}

void PageSet::storeContent(PageId id) {
    const HtmlEditor *page = m_editors.value(id);
    if (!page)
        return;
    // The folder the editor shows relative pictures from, so the build finds them too.
    const QString folder = page->baseUrl().adjusted(QUrl::RemoveFilename).toLocalFile();
    m_pages.setBody(id, page->bodyHTML(), QDir::cleanPath(folder));
}

void PageSet::showStoredContent(const QModelIndex &first, const QModelIndex &last,
                                const QList<int> &roles) {
    // Only content the list changed itself: an editor may already show more than the list
    // holds, which a change of name must not throw away.
    if (!roles.contains(SitePages::BodyRole))
        return;
    for (int row = first.row(); row <= last.row(); ++row) {
        HtmlEditor *page = editor(row);
        if (page && page->bodyHTML() != m_pages.page(row).body)
            page->setBodyHTML(m_pages.page(row).body, page->baseUrl());
    }
}

int PageSet::unreadablePage() const {
    for (int i = 0; i < count(); ++i) {
        if (!editor(i)->waitUntilCurrent())
            return i;
    }
    return -1;
}

NewPageCounter &PageSet::newPageCounter() {
    return m_counter;
}

HtmlEditor *PageSet::createEditor() {
    auto *page = new HtmlEditor(&m_dialogs);
    page->setStyleSheet(m_styleSheet);
    page->setPageNames([this] { return pageNames(); });
    m_formatToolbar->watch(page);
    return page;
}

void PageSet::showSelected(int row) {
    if (HtmlEditor *page = editor(row)) {
        m_controls.editors->setCurrentWidget(page);
        // A page not yet clicked into has no formatting to show: the toolbar shows what a
        // new paragraph gets.
        if (!page->hasCaret())
            m_formatToolbar->showInitialState();
        releaseUnusedPages(page);
    }
    updateActions();
}

void PageSet::updateActions() {
    const int row = selectedPage();
    m_deleteAction->setEnabled(row > 0);
    m_upAction->setEnabled(row > 1);
    m_downAction->setEnabled(row > 0 && row < count() - 1);
    m_renameAction->setEnabled(row > 0);
    m_duplicateAction->setEnabled(row >= 0);
}

void PageSet::releaseUnusedPages(HtmlEditor *shown) {
    m_recentlyShown.removeAll(shown);
    m_recentlyShown.removeAll(nullptr);
    m_recentlyShown.prepend(shown);
    if (m_recentlyShown.size() > RecentPagesKept)
        m_recentlyShown.resize(RecentPagesKept);
    bool released = false;
    for (HtmlEditor *page : std::as_const(m_editors)) {
        if (!m_recentlyShown.contains(page))
            released = page->releasePage() || released;
    }
    // A web engine page leaves a megabyte or more behind in the C library's free lists.
    if (released)
        returnFreedMemory();
}

bool PageSet::eventFilter(QObject *watched, QEvent *event) {
    // Tab in the page list goes on into the page's editor. The editor's view joins the
    // window's tab chain only once it has drawn, and then at its end, so without this the
    // keyboard never reaches the page.
    if (watched == m_controls.lstMenu && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        QWidget *page = m_controls.editors->currentWidget();
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier && page) {
            page->setFocus(Qt::TabFocusReason);
            return true;
        }
        // Alt+Up and Alt+Down move the page; where it can't move (their actions are off),
        // they must not move the selection instead.
        if ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) &&
            key->modifiers() == Qt::AltModifier)
            return true;
    }
    return QObject::eventFilter(watched, event);
}

HtmlEditor *PageSet::lendSelectedEditor() {
    const int row = selectedPage();
    if (m_lent || row < 0)
        return nullptr;
    m_lent = editor(row);
    m_lentPlaceholder = new QWidget;
    m_controls.editors->addWidget(m_lentPlaceholder);
    m_controls.editors->removeWidget(m_lent);
    m_controls.editors->setCurrentWidget(m_lentPlaceholder);
    m_controls.lstMenu->setEnabled(false);
    return m_lent;
}

void PageSet::giveBackEditor() {
    if (!m_lentPlaceholder)
        return;
    HtmlEditor *page = std::exchange(m_lent, nullptr);
    if (page)
        m_controls.editors->addWidget(page);
    delete std::exchange(m_lentPlaceholder, nullptr);
    m_controls.lstMenu->setEnabled(true);
    showSelected(selectedPage());
}

void PageSet::renameEditors() {
    for (int row = 0; row < count(); ++row) {
        if (HtmlEditor *page = editor(row))
            page->setObjectName(editorName(row));
    }
}

} // namespace quillsite
