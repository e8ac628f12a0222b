// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/htmleditor.h"

#include "authoring/editorpage.h"
#include "authoring/editorsession.h"
#include "authoring/editorsnapshot.h"
#include "authoring/htmltext.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineView>

using namespace Qt::StringLiterals;

namespace quillsite {

HtmlEditor::HtmlEditor(EditorDialogs *dialogs, QWidget *parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
    , m_session(new EditorSession(this)) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    connect(m_session, &EditorSession::pageMade, this, &HtmlEditor::showPage);
    connect(m_session, &EditorSession::pageEnding, this, &HtmlEditor::dropView);
    connect(m_session, &EditorSession::failed, this, &HtmlEditor::showProblem);
    connect(m_session, &EditorSession::changed, this, [this] {
        if (m_problem != m_session->failure())
            showProblem(m_session->failure());
        emit DisplayChanged();
    });
    // Ctrl+K in the page asks as the toolbar's button does.
    connect(m_session, &EditorSession::linkAsked, this,
            [this] { ExecCommand(EditCommand::Hyperlink); });
    connect(m_session, &EditorSession::pictureOffered, this, [this](const QString &address) {
        askImage(ImageChoice{address, {}});
    });
}

HtmlEditor::~HtmlEditor() {
    // The view goes before the session's page it shows.
    delete m_view;
}

QString HtmlEditor::LoadDocument(const QString &path) {
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (file.error() != QFileDevice::NoError)
        return tr("Can't read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    m_session->setDocument(decodeHtmlText(bytes),
                           QUrl::fromLocalFile(QFileInfo(path).absolutePath() + u'/'));
    return {};
}

QString HtmlEditor::DocumentHTML() const {
    return m_session->snapshot().documentHtml;
}

void HtmlEditor::setDocumentHTML(const QString &html) {
    m_session->setDocument(html, m_session->baseUrl());
}

QString HtmlEditor::bodyHTML() const {
    return m_session->snapshot().bodyHtml;
}

void HtmlEditor::setBodyHTML(const QString &body, const QUrl &baseUrl) {
    m_session->setBody(body, baseUrl);
}

void HtmlEditor::ExecCommand(EditCommand command) {
    // A question shows what is at the selection once every earlier command is carried out.
    switch (commandAction(command)) {
    case CommandAction::AskLink:
        m_session->whenCurrent(this, [this] { askLink(); });
        return;
    case CommandAction::AskImage:
        m_session->whenCurrent(this, [this] { askImage(); });
        return;
    case CommandAction::AskFont:
        m_session->whenCurrent(this, [this] { askFont(); });
        return;
    case CommandAction::List:
        m_session->run({u"list"_s, editingCommandName(command)});
        return;
    case CommandAction::Format:
        if (const QString name = editingCommandName(command); !name.isEmpty())
            m_session->run({u"exec"_s, name});
        return;
    }
}

CommandStatus HtmlEditor::QueryStatus(EditCommand command) const {
    if (commandAction(command) != CommandAction::Format &&
        commandAction(command) != CommandAction::List)
        return m_dialogs ? CommandStatus::Enabled : CommandStatus::Disabled;
    if (editingCommandName(command).isEmpty())
        return CommandStatus::NotSupported;
    return m_session->snapshot().status.value(command, CommandStatus::Disabled);
}

QUrl HtmlEditor::baseUrl() const {
    return m_session->baseUrl();
}

bool HtmlEditor::isReady() const {
    return m_session->isReady();
}

bool HtmlEditor::hasPage() const {
    return m_session->page() != nullptr;
}

void HtmlEditor::preparePage() {
    m_session->preparePage();
}

bool HtmlEditor::releasePage() {
    return !isVisible() && m_session->releasePage();
}

void HtmlEditor::setStyleSheet(const EditorStyleSheet &styleSheet) {
    m_session->setStyleSheet(styleSheet);
}

void HtmlEditor::setParagraphStyle(ParagraphStyle style) {
    m_session->run({u"paragraphStyle"_s, paragraphTag(style)});
}

bool HtmlEditor::hasCaret() const {
    return m_session->snapshot().hasCaret;
}

void HtmlEditor::focusAtStart() {
    preparePage();
    setFocus(Qt::OtherFocusReason);
    m_session->run({u"caretToStart"_s});
}

void HtmlEditor::setPageNames(std::function<QStringList()> pageNames) {
    m_pageNames = std::move(pageNames);
}

bool HtmlEditor::waitUntilCurrent() {
    return m_session->waitUntilCurrent();
}

void HtmlEditor::showEvent(QShowEvent *event) {
    preparePage();
    QWidget::showEvent(event);
}

void HtmlEditor::showPage(EditorPage *page) {
    m_view = new QWebEngineView(this);
    m_view->setPage(page);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &HtmlEditor::showContextMenu);
    layout()->addWidget(m_view);
    m_view->show();
    setFocusProxy(m_view);
    if (std::exchange(m_refocus, false))
        setFocus(Qt::OtherFocusReason);
}

void HtmlEditor::dropView() {
    m_refocus = m_view && m_view->isAncestorOf(QApplication::focusWidget());
    setFocusProxy(nullptr);
    delete std::exchange(m_view, nullptr);
}

void HtmlEditor::showProblem(const QString &problem) {
    m_problem = problem;
    if (!m_problemLabel) {
        m_problemLabel = new QLabel(this);
        m_problemLabel->setWordWrap(true);
        static_cast<QVBoxLayout *>(layout())->insertWidget(0, m_problemLabel);
    }
    m_problemLabel->setText(tr("%1 What you wrote up to then is kept.").arg(problem));
    m_problemLabel->setVisible(!problem.isEmpty());
}

void HtmlEditor::showContextMenu(const QPoint &position) {
    // Only the editing actions: the engine's own menu would also offer to open or save links
    // and pages, which an editor has no use for.
    QMenu menu(this);
    addSpellingSuggestions(menu);
    const QWebEnginePage::WebAction groups[][3] = {
        {QWebEnginePage::Undo, QWebEnginePage::Redo, QWebEnginePage::NoWebAction},
        {QWebEnginePage::Cut, QWebEnginePage::Copy, QWebEnginePage::Paste},
        {QWebEnginePage::SelectAll, QWebEnginePage::NoWebAction, QWebEnginePage::NoWebAction}};
    for (const auto &group : groups) {
        if (!menu.isEmpty())
            menu.addSeparator();
        for (QWebEnginePage::WebAction action : group) {
            if (action != QWebEnginePage::NoWebAction)
                menu.addAction(m_view->page()->action(action));
        }
    }
    menu.addSeparator();
    addParagraphStyles(menu);
    menu.exec(m_view->mapToGlobal(position));
}

void HtmlEditor::addSpellingSuggestions(QMenu &menu) {
    const QWebEngineContextMenuRequest *request = m_view->lastContextMenuRequest();
    if (!request || request->misspelledWord().isEmpty())
        return;
    const QStringList suggestions = request->spellCheckerSuggestions();
    for (const QString &word : suggestions) {
        connect(menu.addAction(word), &QAction::triggered, this, [this, word] {
            if (m_view)
                m_view->page()->replaceMisspelledWord(word);
        });
    }
    if (suggestions.isEmpty())
        menu.addAction(tr("No spelling suggestions"))->setEnabled(false);
    menu.addSeparator();
}

void HtmlEditor::addParagraphStyles(QMenu &menu) {
    QMenu *styles = menu.addMenu(tr("Paragraph &Style"));
    const ParagraphStyle current =
        paragraphStyleOfTag(m_session->snapshot().paragraphStyle).value_or(ParagraphStyle::Normal);
    for (ParagraphStyle style : ParagraphStyles) {
        QAction *action = styles->addAction(paragraphStyleName(style));
        action->setShortcut(QKeySequence(paragraphStyleShortcut(style)));
        action->setCheckable(true);
        action->setChecked(style == current);
        connect(action, &QAction::triggered, this, [this, style] { setParagraphStyle(style); });
    }
}

void HtmlEditor::askLink() {
    if (!m_dialogs)
        return;
    const QStringList pageNames = m_pageNames ? m_pageNames() : QStringList();
    const auto address = m_dialogs->askLinkAddress(this, m_session->snapshot().link, pageNames);
    if (address)
        m_session->run({u"link"_s, address->trimmed()});
}

void HtmlEditor::askImage(const std::optional<ImageChoice> &offered) {
    if (!m_dialogs)
        return;
    const auto image = m_dialogs->askImage(this, offered ? offered : m_session->snapshot().picture);
    if (image && !image->address.trimmed().isEmpty())
        m_session->run(
            {u"image"_s, image->address.trimmed(), image->alternativeText, cssWidth(image->size)});
}

void HtmlEditor::askFont() {
    if (!m_dialogs)
        return;
    const auto font = m_dialogs->askFont(this, m_session->snapshot().font,
                                         fontFamilyLists(m_session->styleSheet().css));
    if (!font)
        return;
    if (font->paragraphStyle)
        setParagraphStyle(*font->paragraphStyle);
    m_session->run({u"font"_s, font->family,
                    font->pointSize > 0 ? htmlFontSize(font->pointSize) : 0,
                    font->color.isValid() ? font->color.name() : QString()});
}

} // namespace quillsite
