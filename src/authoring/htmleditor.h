#pragma once

#include "authoring/editcommand.h"
#include "authoring/editordialogs.h"
#include "authoring/editorstylesheet.h"
#include "authoring/paragraphstyle.h"

#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

QT_BEGIN_NAMESPACE
class QJsonArray;
class QMenu;
class QWebEngineView;
QT_END_NAMESPACE

namespace quillsite {

class EditorBridge;
class EditorPage;
struct EditorSnapshot;

// A WYSIWYG editor for one HTML document: the only class that touches the web engine.
//
// The engine renders in another process and answers asynchronously. The editor's page
// script reports a snapshot of the document and of the command states after every change,
// and reads answer from that snapshot at once. A read made while a load or command the
// editor issued is still on its way waits for the report that follows it (in a local event
// loop that holds back user input, with a time limit), so every read reflects every call
// made before it. DisplayChanged is raised from the event loop, never from inside the
// engine's message, so its handlers may read and command the editor freely.
//
// Each editor has a page of the web engine only while it needs one. It makes it when it is
// first shown or has to act on its document; until then, and after releasePage(), it holds
// just its document, answers reads from it and takes documents given as a body. A site of
// many pages then costs the engine only the pages the user has looked at.
//
// The rule for that waiting: DocumentHTML, bodyHTML and QueryStatus are const, yet they may
// run queued events, timers and signals of the whole program before they return. Call them
// only where that is safe: not from a destructor, a paint or resize event, or a loop over
// widgets that such an event could delete. No other const getter waits like this; new code
// that needs the engine's answer calls waitUntilCurrent() where it may wait, then reads.
class HtmlEditor final : public QWidget {
    Q_OBJECT

public:
    // dialogs asks the user for a link, a picture or a font; it must outlive the editor.
    // Without it (nullptr) those three commands are disabled.
    explicit HtmlEditor(EditorDialogs *dialogs, QWidget *parent = nullptr);
    ~HtmlEditor() override;

    // Shows the file's document, with its folder as base for relative links. Returns why
    // the file can't be read, or an empty text when it is shown.
    QString LoadDocument(const QString &path);

    // The whole document (doctype, head and body) / replaces it, keeping the base URL.
    QString DocumentHTML() const;
    void setDocumentHTML(const QString &html);

    // The markup inside the body element.
    QString bodyHTML() const;
    // Replaces the document with an empty one holding `body`, relative addresses in it
    // taken from `baseUrl`. Until the page has shown it, reads answer with `body` as given.
    void setBodyHTML(const QString &body, const QUrl &baseUrl);

    // Acts on the current selection; the numbers are those of EditCommand. Link, picture
    // and font ask the user through the dialogs first. Unknown numbers do nothing.
    void ExecCommand(int command);
    // A CommandStatus value; Latched (7) means the format is in force at the selection.
    int QueryStatus(int command) const;

    // The address relative links and pictures resolve against: the loaded file's folder.
    QUrl baseUrl() const;

    // Whether the editor's page shows the document and takes commands at once. An editor
    // without a page is not ready, but makes its page when shown or given a command.
    bool isReady() const { return m_ready; }

    // Whether the editor holds a page of the web engine now.
    bool hasPage() const { return m_page != nullptr; }
    // Makes the editor's page now, before it is shown: the first one starts the web engine.
    void preparePage();
    // Gives the page of a hidden editor back to the web engine, keeping the document, when
    // the user has left nothing in it: no caret, no change, nothing to undo, no scrolling.
    // False when the editor keeps its page.
    bool releasePage();

    // Shows the content in this look; the document itself does not change.
    void setStyleSheet(const EditorStyleSheet &styleSheet);

    // Makes the paragraphs at the selection of the style.
    void setParagraphStyle(ParagraphStyle style);

    // Whether the user has put the caret into the document yet.
    bool hasCaret() const;
    // Takes the keyboard focus with the caret at the document's start.
    void focusAtStart();

    // Where the link dialog takes the names of the site's pages from.
    void setPageNames(std::function<QStringList()> pageNames);

    // Waits until the snapshot reflects every load and command issued so far.
    // False when the engine did not answer within timeoutMs.
    bool waitUntilCurrent(int timeoutMs = 10000) const;

protected:
    void showEvent(QShowEvent *event) override;

signals:
    // Raised whenever what the editor shows or the selection changes.
    void DisplayChanged();

private:
    // Shows html in the page, making the page if there is none yet.
    void loadHtml(const QString &html, const QUrl &baseUrl);
    // Makes html the document the editor holds; a page, if there is one, shows it.
    void requestDocument(const QString &html, const QUrl &baseUrl);
    void showRequestedDocument();
    void runCommand(const QJsonArray &call);
    void discardPage();
    // Shows html in a page made anew. After its renderer ended, the engine does not always
    // run the editor's script in the old page again.
    void showInNewPage(const QString &html);
    void recoverFromRendererEnd(int status, int exitCode);
    void applySnapshot(const EditorSnapshot &snapshot);
    // Reads answer with what the document is known to read as until its page reports.
    void presetSnapshot(const QString &documentHtml, const QString &bodyHtml);
    bool isCurrent() const;
    const EditorSnapshot &currentSnapshot() const;
    void showContextMenu(const QPoint &position);
    void addSpellingSuggestions(QMenu &menu);
    void addParagraphStyles(QMenu &menu);
    void askLink();
    // Asks for a picture, offering `offered` (one pasted or dropped) or else the selected one.
    void askImage(const std::optional<ImageChoice> &offered = std::nullopt);
    void askFont();

    EditorDialogs *m_dialogs;
    QWebEngineView *m_view = nullptr;
    EditorPage *m_page = nullptr;
    EditorBridge *m_bridge;
    std::unique_ptr<EditorSnapshot> m_snapshot;
    EditorStyleSheet m_styleSheet;
    std::function<QStringList()> m_pageNames;
    QUrl m_baseUrl;
    QString m_requestedHtml;
    QStringList m_queuedCalls;
    int m_loadId = 0;
    int m_lastRequest = 0;
    int m_awaitedRequest = 0;
    int m_recoveries = 0;
    bool m_ready = false;
    bool m_showScheduled = false;
};

} // namespace quillsite
