// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <functional>

class QAction;
class QToolBar;

namespace quillsite {

class HtmlEditor;

// Fills a toolbar with the formatting buttons. A click sends its command to
// the selected page's editor; every display change of a watched editor
// brings the pressed states in line with that editor.
class FormatToolbar final : public QObject {
    Q_OBJECT

public:
    // `selectedEditor` gives the editor of the selected page, or null.
    FormatToolbar(QToolBar *toolbar, std::function<HtmlEditor *()> selectedEditor,
                  QObject *parent = nullptr);

    // Follows this editor's display changes.
    void watch(HtmlEditor *editor);

    // The states of a new paragraph, as the window opens with them: only "Left" pressed.
    void showInitialState();

private:
    void sendCommand(QAction *action);
    void refreshFrom(const HtmlEditor &editor);

    QToolBar *m_toolbar;
    std::function<HtmlEditor *()> m_selectedEditor;
};

} // namespace quillsite
