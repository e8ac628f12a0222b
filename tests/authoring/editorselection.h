// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "authoring/htmleditor.h"

#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <optional>

namespace quillsite {

// Sets an editor's selection as the user would with the mouse, through the
// editor's script world, and waits until the editor has reported it.
// `rangeScript` sets up the range `r`. A document still on its way is waited for.
inline bool selectInEditor(HtmlEditor &editor, const QString &rangeScript) {
    QWebEnginePage *page = editor.findChild<QWebEngineView *>()->page();
    const QString script =
        QStringLiteral("(() => { try { const s = document.getSelection(); "
                       "const r = document.createRange(); %1; s.removeAllRanges(); "
                       "s.addRange(r); return true; } catch (e) { return false; } })()")
            .arg(rangeScript);
    for (int attempt = 0; attempt < 100; ++attempt) {
        QSignalSpy changed(&editor, &HtmlEditor::DisplayChanged);
        std::optional<bool> selected;
        page->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                            [&selected](const QVariant &result) { selected = result.toBool(); });
        if (!QTest::qWaitFor([&] { return selected.has_value(); }, 10000))
            return false;
        if (*selected)
            return QTest::qWaitFor([&] { return changed.count() > 0; }, 10000);
        QTest::qWait(50);
    }
    return false;
}

// Replaces the editor's document and waits until the page shows it, so that a
// selection made next is made in the new document.
inline bool showDocument(HtmlEditor &editor, const QString &html) {
    QSignalSpy changed(&editor, &HtmlEditor::DisplayChanged);
    editor.setDocumentHTML(html);
    return QTest::qWaitFor([&] { return changed.count() > 0; }, 10000);
}

// Selects everything inside the first element matching `selector`.
inline bool selectContents(HtmlEditor &editor, const QString &selector) {
    return selectInEditor(
        editor, QStringLiteral("r.selectNodeContents(document.querySelector('%1'))").arg(selector));
}

// Puts the caret inside the last text of the document, before its last character.
inline bool placeCaretInLastText(HtmlEditor &editor) {
    return selectInEditor(editor, QStringLiteral("let n = document.body; "
                                                 "while (n.lastChild) n = n.lastChild; "
                                                 "r.setStart(n, n.length - 1); r.collapse(true)"));
}

// The widget that takes the editor's key presses.
inline QWidget *editorKeys(HtmlEditor &editor) {
    auto *view = editor.findChild<QWebEngineView *>();
    return view->focusProxy() ? view->focusProxy() : view;
}

} // namespace quillsite
