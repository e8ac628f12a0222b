#include "authoring/htmleditor.h"

#include "authoring/editorbridge.h"
#include "authoring/editordialogs.h"
#include "authoring/editorpage.h"
#include "authoring/editorsnapshot.h"
#include "authoring/htmltext.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeySequence>
#include <QMenu>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebChannel>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

const QString EmptyDocument =
    u"<!DOCTYPE html><html><head><meta charset=\"utf-8\"></head><body></body></html>"_s;
// EmptyDocument as the page script reports it.
const QString EmptyDocumentHtml =
    u"<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body></body></html>"_s;

// The page's address holds the document when it is shown, and the engine refuses addresses
// longer than 2 MB; a document whose encoded form would come near that reaches the page
// through the web channel instead.
constexpr qsizetype LargeDocumentBytes = 1'400'000;

// How often in a row the editor shows its document again after the renderer ended.
constexpr int MaxRecoveries = 3;

QString resourceText(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCCritical(lcEditor) << "Missing resource" << path;
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

QString jsonText(const QJsonObject &object) {
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

// The editor's script, with the web channel's client library in front of it.
QWebEngineScript editorScript(int loadId, bool largeDocument, const EditorStyleSheet &sheet) {
    static const QString library = resourceText(u":/qtwebchannel/qwebchannel.js"_s) + u'\n';
    static const QString script = resourceText(u":/editor/editor.js"_s);
    QWebEngineScript editor;
    editor.setName(u"quillsite-editor"_s);
    editor.setWorldId(QWebEngineScript::ApplicationWorld);
    editor.setInjectionPoint(QWebEngineScript::DocumentReady);
    editor.setRunsOnSubFrames(false);
    editor.setSourceCode(
        library +
        u"var quillsiteLoadId = %1;\nvar quillsiteLargeDocument = %2;\n"
        "var quillsiteStyleSheet = %3;\n"_s.arg(loadId)
            .arg(largeDocument ? u"true"_s : u"false"_s,
                 jsonText({{u"css"_s, sheet.css}, {u"baseUrl"_s, sheet.baseUrl.toString()}})) +
        script);
    return editor;
}

// New documents have no file; the home folder is where relative addresses in them point.
QUrl defaultBaseUrl() {
    return QUrl::fromLocalFile(QDir::homePath() + u'/');
}

} // namespace

HtmlEditor::HtmlEditor(EditorDialogs *dialogs, QWidget *parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
    , m_bridge(new EditorBridge(this))
    , m_snapshot(std::make_unique<EditorSnapshot>())
    , m_styleSheet(defaultEditorStyleSheet())
    , m_baseUrl(defaultBaseUrl())
    , m_requestedHtml(EmptyDocument) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    // Queued: the report arrives inside the channel's message, and the channel delivers no
    // further message until that one is done. A DisplayChanged handler that reads the
    // editor, and so may wait for a later report, must run after it.
    connect(
        m_bridge, &EditorBridge::reported, this,
        [this](const QJsonObject &report) {
            applySnapshot(snapshotFromReport(report, *m_snapshot));
        },
        Qt::QueuedConnection);
    // Ctrl+K in the page; queued for the same reason as the reports.
    connect(m_bridge, &EditorBridge::linkAsked, this, &HtmlEditor::askLink, Qt::QueuedConnection);
    // Queued for the same reason: the dialog must not open inside the channel's message.
    connect(
        m_bridge, &EditorBridge::pictureOffered, this,
        [this](const QString &address) {
            askImage(ImageChoice{address, {}});
        },
        Qt::QueuedConnection);

    presetSnapshot(EmptyDocumentHtml, QString());
}

HtmlEditor::~HtmlEditor() = default;

QString HtmlEditor::LoadDocument(const QString &path) {
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (file.error() != QFileDevice::NoError)
        return tr("Can't read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    loadHtml(decodeHtmlText(bytes), QUrl::fromLocalFile(QFileInfo(path).absolutePath() + u'/'));
    return {};
}

QString HtmlEditor::DocumentHTML() const {
    return currentSnapshot().documentHtml;
}

void HtmlEditor::setDocumentHTML(const QString &html) {
    loadHtml(html, m_baseUrl);
}

QString HtmlEditor::bodyHTML() const {
    return currentSnapshot().bodyHtml;
}

void HtmlEditor::setBodyHTML(const QString &body, const QUrl &baseUrl) {
    QString document = EmptyDocument;
    document.insert(document.indexOf(u"</body>"_s), body);
    // The body is known as it stands: an editor without a page need not make one for it.
    requestDocument(document, baseUrl);
    presetSnapshot(document, body);
}

void HtmlEditor::ExecCommand(int command) {
    switch (command) {
    case Hyperlink:
        askLink();
        return;
    case Image:
        askImage();
        return;
    case Font:
        askFont();
        return;
    default:
        break;
    }
    const QString name = editingCommandName(command);
    if (name.isEmpty())
        return;
    const bool list = command == OrderedList || command == UnorderedList;
    runCommand({list ? u"list"_s : u"exec"_s, name});
}

int HtmlEditor::QueryStatus(int command) const {
    switch (command) {
    case Hyperlink:
    case Image:
    case Font:
        return m_dialogs ? Enabled : Disabled;
    default:
        break;
    }
    if (editingCommandName(command).isEmpty())
        return NotSupported;
    return currentSnapshot().status.value(command, Disabled);
}

QUrl HtmlEditor::baseUrl() const {
    return m_baseUrl;
}

void HtmlEditor::setStyleSheet(const EditorStyleSheet &styleSheet) {
    if (styleSheet == m_styleSheet)
        return;
    m_styleSheet = styleSheet;
    // A document shown from now on takes the sheet with the page script; the page on show
    // takes it now.
    if (m_page)
        runCommand({u"styleSheet"_s, m_styleSheet.css, m_styleSheet.baseUrl.toString()});
}

void HtmlEditor::setParagraphStyle(ParagraphStyle style) {
    runCommand({u"paragraphStyle"_s, paragraphTag(style)});
}

bool HtmlEditor::hasCaret() const {
    return m_snapshot->hasCaret;
}

void HtmlEditor::focusAtStart() {
    preparePage();
    setFocus(Qt::OtherFocusReason);
    runCommand({u"caretToStart"_s});
}

void HtmlEditor::setPageNames(std::function<QStringList()> pageNames) {
    m_pageNames = std::move(pageNames);
}

bool HtmlEditor::waitUntilCurrent(int timeoutMs) const {
    if (isCurrent())
        return true;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &HtmlEditor::DisplayChanged, &loop, [this, &loop] {
        if (isCurrent())
            loop.quit();
    });
    timer.start(timeoutMs);
    // A nested loop delivers the events posted before it began, the engine's among them,
    // only once something wakes it; the engine posts nothing more until they are delivered.
    QAbstractEventDispatcher::instance()->wakeUp();
    // The user's input waits too: it must not reach the editors while a read is under way.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!isCurrent()) {
        qCWarning(lcEditor) << "The editor did not answer within" << timeoutMs << "ms";
        return false;
    }
    return true;
}

void HtmlEditor::preparePage() {
    if (m_page)
        return;
    m_view = new QWebEngineView(this);
    m_page = new EditorPage(m_view);
    auto *channel = new QWebChannel(m_page);
    channel->registerObject(u"editor"_s, m_bridge);
    m_page->setWebChannel(channel, QWebEngineScript::ApplicationWorld);
    m_view->setPage(m_page);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &HtmlEditor::showContextMenu);
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this,
            &HtmlEditor::recoverFromRendererEnd);
    layout()->addWidget(m_view);
    m_view->show();
    setFocusProxy(m_view);
    // The new page shows the document the editor holds. When that is known, reads go on
    // answering from it, as the page will report it unchanged.
    const bool known = isCurrent();
    requestDocument(m_requestedHtml, m_baseUrl);
    if (known)
        m_snapshot->loadId = m_loadId;
}

bool HtmlEditor::releasePage() {
    if (!m_page || isVisible() || !m_ready || !isCurrent() || m_snapshot->touched)
        return false;
    discardPage();
    return true;
}

void HtmlEditor::discardPage() {
    setFocusProxy(nullptr);
    delete m_view;
    m_view = nullptr;
    m_page = nullptr;
    m_ready = false;
}

void HtmlEditor::showInNewPage(const QString &html) {
    const bool focused = m_view && m_view->isAncestorOf(QApplication::focusWidget());
    discardPage();
    m_requestedHtml = html;
    preparePage();
    if (focused)
        setFocus(Qt::OtherFocusReason);
}

void HtmlEditor::showEvent(QShowEvent *event) {
    preparePage();
    QWidget::showEvent(event);
}

void HtmlEditor::loadHtml(const QString &html, const QUrl &baseUrl) {
    preparePage();
    requestDocument(html, baseUrl);
}

void HtmlEditor::requestDocument(const QString &html, const QUrl &baseUrl) {
    ++m_loadId;
    m_ready = false;
    m_queuedCalls.clear();
    m_awaitedRequest = 0; // a new page has carried out none of the commands
    m_baseUrl = baseUrl;
    m_requestedHtml = html;
    // The page is given the document once control returns to the event loop, so that an
    // editor created and filled at once, or filled twice, loads only its last document.
    if (m_page && !m_showScheduled) {
        m_showScheduled = true;
        QMetaObject::invokeMethod(this, &HtmlEditor::showRequestedDocument, Qt::QueuedConnection);
    }
}

void HtmlEditor::showRequestedDocument() {
    m_showScheduled = false;
    if (!m_page)
        return;
    QByteArray utf8 = m_requestedHtml.toUtf8();
    const bool large = utf8.size() > LargeDocumentBytes;
    m_bridge->setPendingDocument(m_loadId, large ? m_requestedHtml : QString());
    m_page->scripts().clear();
    m_page->scripts().insert(editorScript(m_loadId, large, m_styleSheet));
    m_page->showDocument(large ? EmptyDocument.toUtf8() : utf8, m_baseUrl);
}

void HtmlEditor::recoverFromRendererEnd(int status, int exitCode) {
    qCWarning(lcEditor) << "The editor's renderer ended with status" << status << "and code"
                        << exitCode;
    // A document that ends the renderer every time it is shown is not shown for ever.
    if (++m_recoveries > MaxRecoveries)
        return;
    // The last report holds what the user wrote up to the end; a load still on its way
    // had not replaced it yet.
    const QString html =
        m_snapshot->loadId == m_loadId ? m_snapshot->documentHtml : m_requestedHtml;
    QTimer::singleShot(0, this, [this, html] { showInNewPage(html); });
}

void HtmlEditor::runCommand(const QJsonArray &call) {
    preparePage();
    m_awaitedRequest = ++m_lastRequest;
    const QString script =
        u"quillsite.run(%1, %2)"_s.arg(m_lastRequest)
            .arg(QString::fromUtf8(QJsonDocument(call).toJson(QJsonDocument::Compact)));
    if (m_ready)
        m_page->runJavaScript(script, QWebEngineScript::ApplicationWorld);
    else
        m_queuedCalls.append(script);
}

void HtmlEditor::applySnapshot(const EditorSnapshot &snapshot) {
    if (!m_page || snapshot.loadId != m_loadId)
        return; // from a page since released, or a document since replaced
    *m_snapshot = snapshot;
    if (!m_ready) {
        m_ready = true;
        m_recoveries = 0;
        for (const QString &script : std::exchange(m_queuedCalls, {}))
            m_page->runJavaScript(script, QWebEngineScript::ApplicationWorld);
    }
    // A report sent before the page carried out our last command is out of date; the
    // listeners read the states at once, which would wait for the report to come.
    if (isCurrent())
        emit DisplayChanged();
}

void HtmlEditor::presetSnapshot(const QString &documentHtml, const QString &bodyHtml) {
    *m_snapshot = EditorSnapshot();
    m_snapshot->loadId = m_loadId;
    m_snapshot->documentHtml = documentHtml;
    m_snapshot->bodyHtml = bodyHtml;
    for (int command : StatefulCommands)
        m_snapshot->status.insert(command, Disabled);
}

bool HtmlEditor::isCurrent() const {
    return m_snapshot->loadId == m_loadId && m_snapshot->request >= m_awaitedRequest;
}

const EditorSnapshot &HtmlEditor::currentSnapshot() const {
    waitUntilCurrent();
    return *m_snapshot;
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
                menu.addAction(m_page->action(action));
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
        connect(menu.addAction(word), &QAction::triggered, this,
                [this, word] { m_page->replaceMisspelledWord(word); });
    }
    if (suggestions.isEmpty())
        menu.addAction(tr("No spelling suggestions"))->setEnabled(false);
    menu.addSeparator();
}

void HtmlEditor::addParagraphStyles(QMenu &menu) {
    QMenu *styles = menu.addMenu(tr("Paragraph &Style"));
    const ParagraphStyle current =
        paragraphStyleOfTag(m_snapshot->paragraphStyle).value_or(ParagraphStyle::Normal);
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
    const auto address = m_dialogs->askLinkAddress(this, currentSnapshot().link, pageNames);
    if (address)
        runCommand({u"link"_s, address->trimmed()});
}

void HtmlEditor::askImage(const std::optional<ImageChoice> &offered) {
    if (!m_dialogs)
        return;
    const auto image = m_dialogs->askImage(this, offered ? offered : currentSnapshot().picture);
    if (image && !image->address.trimmed().isEmpty())
        runCommand(
            {u"image"_s, image->address.trimmed(), image->alternativeText, cssWidth(image->size)});
}

void HtmlEditor::askFont() {
    if (!m_dialogs)
        return;
    const auto font =
        m_dialogs->askFont(this, currentSnapshot().font, fontFamilyLists(m_styleSheet.css));
    if (!font)
        return;
    if (font->paragraphStyle)
        setParagraphStyle(*font->paragraphStyle);
    runCommand({u"font"_s, font->family, font->pointSize > 0 ? htmlFontSize(font->pointSize) : 0,
                font->color.isValid() ? font->color.name() : QString()});
}

} // namespace quillsite
