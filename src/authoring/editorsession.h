// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "authoring/editorstylesheet.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>

QT_BEGIN_NAMESPACE
class QJsonArray;
QT_END_NAMESPACE

namespace quillsite {

class EditorBridge;
class EditorPage;
struct EditorSnapshot;

// One editor's session with its page of the web engine: it makes and lets go of the page,
// gives it documents and commands, and keeps what the page last reported.
//
// The engine renders in another process and answers asynchronously. The page script
// reports a snapshot of the document and of the command states after every change, and
// reads answer from the last snapshot at once: they never wait. Only waitUntilCurrent()
// waits, for the report that reflects every load and command given so far.
//
// The session holds a page only while one is needed. Until then, and after releasePage(),
// it holds just its document, answers reads from it and takes documents given as a body.
class EditorSession final : public QObject {
    Q_OBJECT

public:
    explicit EditorSession(QObject *parent = nullptr);
    ~EditorSession() override;

    // Makes html the document, with baseUrl for relative addresses; the page shows it.
    void setDocument(const QString &html, const QUrl &baseUrl);
    // Makes an empty document holding body the document. Until the page has shown it,
    // reads answer with body as given; no page is made for it.
    void setBody(const QString &body, const QUrl &baseUrl);
    // Carries out [operation, arguments...] of the page script on the document.
    void run(const QJsonArray &call);
    void setStyleSheet(const EditorStyleSheet &styleSheet);
    const EditorStyleSheet &styleSheet() const { return m_styleSheet; }

    // What the page last reported, or the document as given while none has reported.
    const EditorSnapshot &snapshot() const { return *m_snapshot; }
    QUrl baseUrl() const { return m_baseUrl; }
    // Whether the snapshot reflects every load and command given so far.
    bool isCurrent() const;
    // Whether the page shows the document and takes commands at once.
    bool isReady() const { return m_ready; }

    EditorPage *page() const { return m_page; }
    // Makes the page now; the first one starts the web engine.
    void preparePage();
    // Lets go of the page, keeping the document, when it holds nothing that only the page
    // knows: no caret, no change, nothing to undo, no scrolling. False when it is kept.
    bool releasePage();

    // Runs the program's events until the snapshot is current. False when it can't become
    // so: the page's renderer ended, and showing the document again failed as well (a
    // further call tries once more). Waits for as long as the engine takes, and holds back
    // the user's input meanwhile, so call it only at a step that needs the engine's answer,
    // where running events is safe.
    bool waitUntilCurrent();
    // Why the page can't show the document, or an empty text while it can.
    QString failure() const { return m_failure; }
    // Calls action once the snapshot is current: at once, or after the next current report;
    // never once context is gone.
    void whenCurrent(QObject *context, std::function<void()> action);

signals:
    // A page was made / is about to go; a view shows it only in between.
    void pageMade(EditorPage *page);
    void pageEnding();
    // The snapshot is current and may have changed.
    void changed();
    // The page can't show the document: its renderer ended again and again. The next
    // document, command or wait tries once more.
    void failed(const QString &reason);
    // The user asked for a link (Ctrl+K), or offered a picture by pasting or dropping it.
    void linkAsked();
    void pictureOffered(const QString &address);

private:
    void requestDocument(const QString &html, const QUrl &baseUrl);
    void showRequestedDocument();
    void discardPage();
    void recoverFromRendererEnd(int status, int exitCode);
    void showInNewPage();
    // A new document, command or wait after the page failed tries once more in a new page.
    void tryAgainAfterFailure();
    void applyReport(const QJsonObject &report);
    // Reads answer with what the document is known to read as until its page reports.
    void presetSnapshot(const QString &documentHtml, const QString &bodyHtml);

    EditorPage *m_page = nullptr;
    EditorBridge *m_bridge;
    std::unique_ptr<EditorSnapshot> m_snapshot;
    EditorStyleSheet m_styleSheet;
    QUrl m_baseUrl;
    QString m_requestedHtml;
    // The commands the page has not yet reported as carried out, with their numbers: a
    // page that ends before it does is given them again.
    QList<std::pair<int, QString>> m_unreported;
    QList<std::pair<QPointer<QObject>, std::function<void()>>> m_whenCurrent;
    QString m_failure; // why the page can't show the document, empty while it can
    int m_loadId = 0;
    int m_lastRequest = 0;
    int m_awaitedRequest = 0;
    int m_recoveries = 0;
    bool m_ready = false;
    bool m_showScheduled = false;
    bool m_recoveryScheduled = false;
};

} // namespace quillsite
