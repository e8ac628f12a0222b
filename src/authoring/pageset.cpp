// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/pageset.h"

#include "authoring/formattoolbar.h"
#include "authoring/frmadd.h"
#include "authoring/htmleditor.h"
#include "builder/pagenames.h"
#include "platform/desktopservices.h"
#include "platform/systeminfo.h"

#include <QAction>
#include <QDir>
#include <QIcon>
#include <QKeyEvent>
#include <QListWidget>
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

QAction *addMenuAction(QToolBar *toolbar, const QString &key, const QString &toolTip,
                       const QString &icon) {
    QAction *action = toolbar->addAction(QIcon(u":/artwork/toolbar/"_s + icon + u".svg"_s), key);
    action->setObjectName(key);
    action->setToolTip(toolTip);
    if (QWidget *button = toolbar->widgetForAction(action))
        button->setFixedSize(24, 22);
    return action;
}

} // namespace

PageSet::PageSet(const PageSetControls &controls, DesktopServices &desktop, EditorDialogs &dialogs,
                 QObject *parent)
    : QObject(parent)
    , m_controls(controls)
    , m_desktop(desktop)
    , m_dialogs(dialogs)
    , m_styleSheet(defaultEditorStyleSheet()) {
    m_controls.tbrMenu->setIconSize(QSize(16, 16));
    m_addAction = addMenuAction(m_controls.tbrMenu, u"Add"_s, tr("Add Page"), u"add-page"_s);
    m_deleteAction =
        addMenuAction(m_controls.tbrMenu, u"Delete"_s, tr("Delete Page"), u"delete-page"_s);
    connect(m_addAction, &QAction::triggered, this, &PageSet::showAddPage);
    connect(m_deleteAction, &QAction::triggered, this, &PageSet::DeletePage);

    m_formatToolbar = new FormatToolbar(
        m_controls.tbrEdit, [this] { return editor(selectedPage()); }, this);

    if (m_controls.lstMenu->count() == 0)
        m_controls.lstMenu->addItem(homePageName());
    m_controls.editors->addWidget(createEditor());
    // Home's page starts the web engine now rather than on the first visit to the pages.
    editor(0)->preparePage();
    renameEditors();
    connect(m_controls.lstMenu, &QListWidget::currentRowChanged, this, &PageSet::showSelected);
    m_controls.lstMenu->installEventFilter(this);
    selectHome();
}

PageSet::~PageSet() = default;

int PageSet::count() const {
    return m_controls.lstMenu->count();
}

QString PageSet::pageName(int index) const {
    const QListWidgetItem *item = m_controls.lstMenu->item(index);
    return item ? item->text() : QString();
}

QStringList PageSet::pageNames() const {
    QStringList names;
    for (int i = 0; i < count(); ++i)
        names.append(pageName(i));
    return names;
}

HtmlEditor *PageSet::editor(int index) const {
    if (m_lent && index == m_lentIndex)
        return m_lent;
    return qobject_cast<HtmlEditor *>(m_controls.editors->widget(index));
}

int PageSet::selectedPage() const {
    return m_controls.lstMenu->currentRow();
}

void PageSet::selectPage(int index) {
    m_controls.lstMenu->setCurrentRow(index);
    // Setting the row it already has reports nothing; show it all the same.
    showSelected(selectedPage());
}

void PageSet::selectHome() {
    selectPage(0);
}

QString PageSet::appendPage(const QString &name, const QString &path) {
    HtmlEditor *page = createEditor();
    m_controls.editors->addWidget(page);
    if (const QString error = path.isEmpty() ? QString() : page->LoadDocument(path);
        !error.isEmpty()) {
        m_controls.editors->removeWidget(page);
        delete page;
        return error;
    }
    page->setObjectName(editorName(count()));
    m_controls.lstMenu->addItem(name);
    selectPage(count() - 1);
    emit changed();
    return {};
}

void PageSet::DeletePage() {
    const int k = selectedPage();
    if (k <= 0)
        return;
    if (!m_desktop.ask(m_controls.lstMenu->window(),
                       tr("Are you sure you want to delete '%1'?").arg(pageName(k))))
        return;
    HtmlEditor *gone = editor(k);
    {
        // The list and the editors agree again only once both have lost the page.
        const QSignalBlocker blocker(m_controls.lstMenu);
        m_controls.editors->removeWidget(gone);
        delete m_controls.lstMenu->takeItem(k);
    }
    delete gone;
    renameEditors();
    selectHome();
    emit changed();
}

void PageSet::clear() {
    {
        const QSignalBlocker blocker(m_controls.lstMenu);
        while (count() > 1) {
            QWidget *gone = editor(count() - 1);
            m_controls.editors->removeWidget(gone);
            delete m_controls.lstMenu->takeItem(count() - 1);
            delete gone;
        }
    }
    editor(0)->setBodyHTML({}, editor(0)->baseUrl());
    selectHome();
    emit changed();
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

void PageSet::setEditorStyleSheet(const EditorStyleSheet &styleSheet) {
    m_styleSheet = styleSheet;
    for (int i = 0; i < count(); ++i)
        editor(i)->setStyleSheet(styleSheet);
}

QList<SitePage> PageSet::pages() const {
    QList<SitePage> pages;
    for (int i = 0; i < count(); ++i) {
        // The folder the editor shows relative pictures from, so the build finds them too.
        const QString folder = editor(i)->baseUrl().adjusted(QUrl::RemoveFilename).toLocalFile();
        pages.append({pageName(i), editor(i)->bodyHTML(), QDir::cleanPath(folder)});
    }
    return pages;
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
    connect(page, &HtmlEditor::DisplayChanged, this, &PageSet::changed);
    return page;
}

void PageSet::showSelected(int row) {
    if (row >= 0 && row < m_controls.editors->count()) {
        m_controls.editors->setCurrentIndex(row);
        // A page not yet clicked into has no formatting to show: the toolbar shows what a
        // new paragraph gets.
        if (!editor(row)->hasCaret())
            m_formatToolbar->showInitialState();
        releaseUnusedPages(editor(row));
    }
    m_deleteAction->setEnabled(row > 0);
}

void PageSet::releaseUnusedPages(HtmlEditor *shown) {
    m_recentlyShown.removeAll(shown);
    m_recentlyShown.removeAll(nullptr);
    m_recentlyShown.prepend(shown);
    if (m_recentlyShown.size() > RecentPagesKept)
        m_recentlyShown.resize(RecentPagesKept);
    bool released = false;
    for (int i = 0; i < count(); ++i) {
        HtmlEditor *page = editor(i);
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
    }
    return QObject::eventFilter(watched, event);
}

HtmlEditor *PageSet::lendSelectedEditor() {
    const int row = selectedPage();
    if (m_lent || row < 0)
        return nullptr;
    m_lent = editor(row);
    m_lentIndex = row;
    m_lentPlaceholder = new QWidget;
    m_controls.editors->insertWidget(row, m_lentPlaceholder);
    m_controls.editors->removeWidget(m_lent);
    m_controls.editors->setCurrentIndex(row);
    m_controls.lstMenu->setEnabled(false);
    return m_lent;
}

void PageSet::giveBackEditor() {
    if (!m_lentPlaceholder)
        return;
    HtmlEditor *page = std::exchange(m_lent, nullptr);
    if (page)
        m_controls.editors->insertWidget(m_lentIndex, page);
    delete std::exchange(m_lentPlaceholder, nullptr);
    m_controls.lstMenu->setEnabled(true);
    showSelected(selectedPage());
}

void PageSet::renameEditors() {
    for (int i = 0; i < m_controls.editors->count(); ++i)
        m_controls.editors->widget(i)->setObjectName(editorName(i));
}

} // namespace quillsite
