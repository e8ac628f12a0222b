#pragma once

#include "authoring/htmleditor.h"

#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace quillsite {

// Sets an editor's selection as the user would with the mouse, through the
// editor's script world, and waits until the editor has reported it.
// `rangeScript` adjusts the range `r`.
inline bool selectInEditor(HtmlEditor &editor, const QString &rangeScript) {
    QSignalSpy changed(&editor, &HtmlEditor::DisplayChanged);
    editor.findChild<QWebEngineView *>()->page()->runJavaScript(
        QStringLiteral("(() => { const s = document.getSelection(); s.removeAllRanges(); "
                       "const r = document.createRange(); %1; s.addRange(r); })()")
            .arg(rangeScript),
        QWebEngineScript::ApplicationWorld);
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
