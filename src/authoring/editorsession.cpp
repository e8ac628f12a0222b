// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/editorsession.h"

#include "authoring/editorbridge.h"
#include "authoring/editorpage.h"
#include "authoring/editorsnapshot.h"

#include <QAbstractEventDispatcher>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebChannel>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

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

// How often in a row the document is shown again after the renderer ended.
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

EditorSession::EditorSession(QObject *parent)
    : QObject(parent)
    , m_bridge(new EditorBridge(this))
    , m_snapshot(std::make_unique<EditorSnapshot>())
    , m_styleSheet(defaultEditorStyleSheet())
    , m_baseUrl(defaultBaseUrl())
    , m_requestedHtml(EmptyDocument) {
    // Queued: the report arrives inside the channel's message, and the channel delivers no
    // further message until that one is done. A handler of changed() that reads and
    // commands the editor, or opens a dialog, must run after it.
    connect(m_bridge, &EditorBridge::reported, this, &EditorSession::applyReport,
            Qt::QueuedConnection);
    connect(m_bridge, &EditorBridge::linkAsked, this, &EditorSession::linkAsked,
            Qt::QueuedConnection);
    connect(m_bridge, &EditorBridge::pictureOffered, this, &EditorSession::pictureOffered,
            Qt::QueuedConnection);
    presetSnapshot(EmptyDocumentHtml, QString());
}

EditorSession::~EditorSession() = default;

void EditorSession::setDocument(const QString &html, const QUrl &baseUrl) {
    tryAgainAfterFailure();
    preparePage();
    m_unreported.clear(); // commands on the document it replaces
    requestDocument(html, baseUrl);
}

void EditorSession::setBody(const QString &body, const QUrl &baseUrl) {
    QString document = EmptyDocument;
    document.insert(document.indexOf(u"</body>"_s), body);
    m_unreported.clear();
    requestDocument(document, baseUrl);
    presetSnapshot(document, body);
}

void EditorSession::run(const QJsonArray &call) {
    tryAgainAfterFailure();
    preparePage();
    m_awaitedRequest = ++m_lastRequest;
    const QString script =
        u"quillsite.run(%1, %2)"_s.arg(m_lastRequest)
            .arg(QString::fromUtf8(QJsonDocument(call).toJson(QJsonDocument::Compact)));
    m_unreported.append({m_lastRequest, script});
    if (m_ready)
        m_page->runJavaScript(script, QWebEngineScript::ApplicationWorld);
}

void EditorSession::setStyleSheet(const EditorStyleSheet &styleSheet) {
    if (styleSheet == m_styleSheet)
        return;
    m_styleSheet = styleSheet;
    // A document shown from now on takes the sheet with the page script; the page on show
    // takes it now.
    if (m_page)
        run({u"styleSheet"_s, m_styleSheet.css, m_styleSheet.baseUrl.toString()});
}

bool EditorSession::isCurrent() const {
    return m_snapshot->loadId == m_loadId && m_snapshot->request >= m_awaitedRequest;
}

void EditorSession::preparePage() {
    if (m_page)
        return;
    m_page = new EditorPage(this);
    auto *channel = new QWebChannel(m_page);
    channel->registerObject(u"editor"_s, m_bridge);
    m_page->setWebChannel(channel, QWebEngineScript::ApplicationWorld);
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this,
            &EditorSession::recoverFromRendererEnd);
    emit pageMade(m_page);
    // The new page shows the document the session holds. When that is known, reads go on
    // answering from it, as the page will report it unchanged.
    const bool known = isCurrent();
    requestDocument(m_requestedHtml, m_baseUrl);
    if (known)
        m_snapshot->loadId = m_loadId;
}

bool EditorSession::releasePage() {
    if (!m_page || !m_ready || !isCurrent() || m_snapshot->touched)
        return false;
    discardPage();
    return true;
}

void EditorSession::discardPage() {
    emit pageEnding();
    delete std::exchange(m_page, nullptr);
    m_ready = false;
}

bool EditorSession::waitUntilCurrent() {
    if (isCurrent())
        return true;
    tryAgainAfterFailure();
    QEventLoop loop;
    connect(this, &EditorSession::changed, &loop, &QEventLoop::quit);
    connect(this, &EditorSession::failed, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    const QPointer<EditorSession> alive(this);
    // A report's handlers may give further commands: the wait goes on until one is current.
    while (alive && !isCurrent() && m_failure.isEmpty()) {
        // A nested loop delivers the events posted before it began, the engine's among them,
        // only once something wakes it; the engine posts nothing more until they are delivered.
        QAbstractEventDispatcher::instance()->wakeUp();
        // The user's input waits too: it must not reach the editors while a read is under way.
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return alive && isCurrent();
}

void EditorSession::whenCurrent(QObject *context, std::function<void()> action) {
    if (isCurrent())
        action();
    else
        m_whenCurrent.append({context, std::move(action)});
}

void EditorSession::requestDocument(const QString &html, const QUrl &baseUrl) {
    ++m_loadId;
    m_ready = false;
    // The page script counts from none: the commands it has yet to report are given to
    // it again once it is ready, and the last of them is the one awaited.
    m_awaitedRequest = m_unreported.isEmpty() ? 0 : m_unreported.last().first;
    m_baseUrl = baseUrl;
    m_requestedHtml = html;
    // The page is given the document once control returns to the event loop, so that a
    // session given a document twice at once loads only the last.
    if (m_page && !m_showScheduled) {
        m_showScheduled = true;
        QMetaObject::invokeMethod(this, &EditorSession::showRequestedDocument,
                                  Qt::QueuedConnection);
    }
}

void EditorSession::showRequestedDocument() {
    m_showScheduled = false;
    if (!m_page)
        return;
    const QByteArray utf8 = m_requestedHtml.toUtf8();
    const bool large = utf8.size() > LargeDocumentBytes;
    m_bridge->setPendingDocument(m_loadId, large ? m_requestedHtml : QString());
    m_page->scripts().clear();
    m_page->scripts().insert(editorScript(m_loadId, large, m_styleSheet));
    m_page->showDocument(large ? EmptyDocument.toUtf8() : utf8, m_baseUrl);
}

void EditorSession::recoverFromRendererEnd(int status, int exitCode) {
    qCWarning(lcEditor) << "The editor's renderer ended with status" << status << "and code"
                        << exitCode;
    // A document that ends the renderer every time it is shown is not shown for ever.
    if (++m_recoveries > MaxRecoveries) {
        m_failure = tr("The web engine stopped showing this page %1 times in a row "
                       "(exit code %2).")
                        .arg(m_recoveries)
                        .arg(exitCode);
        emit failed(m_failure);
        return;
    }
    if (std::exchange(m_recoveryScheduled, true))
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_recoveryScheduled = false;
            if (m_failure.isEmpty())
                showInNewPage();
        },
        Qt::QueuedConnection);
}

void EditorSession::tryAgainAfterFailure() {
    if (m_failure.isEmpty())
        return;
    m_failure.clear();
    m_recoveries = MaxRecoveries; // one more end fails again
    showInNewPage();
}

void EditorSession::showInNewPage() {
    // The last report holds what the user wrote up to the end; a load still on its way
    // had not replaced it yet. After its renderer ended, the engine does not always run
    // the editor's script in the old page again: a new page shows it.
    const QString html =
        m_snapshot->loadId == m_loadId ? m_snapshot->documentHtml : m_requestedHtml;
    discardPage();
    m_requestedHtml = html;
    preparePage();
}

void EditorSession::applyReport(const QJsonObject &report) {
    EditorSnapshot snapshot = snapshotFromReport(report, *m_snapshot);
    if (!m_page || snapshot.loadId != m_loadId)
        return; // from a page since released, or a document since replaced
    *m_snapshot = std::move(snapshot);
    m_unreported.removeIf(
        [done = m_snapshot->request](const auto &call) { return call.first <= done; });
    if (!m_ready) {
        m_ready = true;
        m_recoveries = 0;
        m_failure.clear();
        for (const auto &call : std::as_const(m_unreported))
            m_page->runJavaScript(call.second, QWebEngineScript::ApplicationWorld);
    }
    // A report sent before the page carried out the last command is out of date.
    if (!isCurrent())
        return;
    emit changed();
    // An action that gives a command waits, with those after it, for that command's report.
    while (isCurrent() && !m_whenCurrent.isEmpty()) {
        const auto [context, action] = m_whenCurrent.takeFirst();
        if (context)
            action();
    }
}

void EditorSession::presetSnapshot(const QString &documentHtml, const QString &bodyHtml) {
    *m_snapshot = EditorSnapshot();
    m_snapshot->loadId = m_loadId;
    m_snapshot->documentHtml = documentHtml;
    m_snapshot->bodyHtml = bodyHtml;
    for (EditCommand command : StatefulCommands)
        m_snapshot->status.insert(command, CommandStatus::Disabled);
}

} // namespace quillsite
