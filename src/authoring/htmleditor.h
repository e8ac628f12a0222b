// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "authoring/editcommand.h"
#include "authoring/editordialogs.h"
#include "authoring/editorstylesheet.h"
#include "authoring/paragraphstyle.h"

#include <QUrl>
#include <QWidget>

#include <functional>
#include <optional>

QT_BEGIN_NAMESPACE
class QLabel;
class QMenu;
class QWebEngineView;
QT_END_NAMESPACE

namespace quillsite {

class EditorPage;
class EditorSession;

// A WYSIWYG editor for one HTML document: the widget that shows the editor's page of the
// web engine, its context menu and the questions some commands ask. Its session with the
// page (EditorSession) does the rest.
//
// Reads answer at once from what the page last reported; they never wait. A read right
// after a load or command may therefore not reflect it yet: a step that needs the
// engine's answer (building the site from the pages, say) calls waitUntilCurrent() first.
// DisplayChanged is raised once the page has reported every load and command given to it,
// from the event loop, so its handlers may read and command the editor freely.
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

    // Acts on the current selection. Link, picture and font ask the user through the
    // dialogs first, once the page has reported every command given before.
    void ExecCommand(EditCommand command);
    CommandStatus QueryStatus(EditCommand command) const;

    // The address relative links and pictures resolve against: the loaded file's folder.
    QUrl baseUrl() const;

    // Whether the editor's page shows the document and takes commands at once. An editor
    // without a page is not ready, but makes its page when shown or given a command.
    bool isReady() const;

    // Whether the editor holds a page of the web engine now.
    bool hasPage() const;
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

    // The one step that waits for the page: until reads reflect every load and command
    // given so far, however long the engine takes. It runs the program's events meanwhile
    // (not the user's input), so call it only where that is safe. False when the page
    // can't show the document (its renderer kept ending); problem() says why.
    bool waitUntilCurrent();
    // Why the page can't show the document, or an empty text while it can.
    QString problem() const { return m_problem; }

protected:
    void showEvent(QShowEvent *event) override;

signals:
    // Raised whenever what the editor shows or the selection changes.
    void DisplayChanged();

private:
    void showPage(EditorPage *page);
    void dropView();
    void showProblem(const QString &problem);
    void showContextMenu(const QPoint &position);
    void addSpellingSuggestions(QMenu &menu);
    void addParagraphStyles(QMenu &menu);
    void askLink();
    // Asks for a picture, offering `offered` (one pasted or dropped) or else the selected one.
    void askImage(const std::optional<ImageChoice> &offered = std::nullopt);
    void askFont();

    EditorDialogs *m_dialogs;
    EditorSession *m_session;
    QWebEngineView *m_view = nullptr;
    QLabel *m_problemLabel = nullptr;
    std::function<QStringList()> m_pageNames;
    QString m_problem;
    bool m_refocus = false; // the view ending had the focus; the next one takes it
};

} // namespace quillsite
