// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QCloseEvent;

namespace quillsite {

class HtmlEditor;

// A large, resizable window for writing one page: the page's own editor
// with the formatting buttons above it. The window's size is remembered
// from one use to the next. It is modal to the wizard, whose page list
// waits meanwhile; whoever opened it takes the editor back once it is done.
class LargeEditor final : public QDialog {
    Q_OBJECT

public:
    // Places `editor` (lent by the page set) in the window; `pageName` titles it.
    LargeEditor(HtmlEditor *editor, const QString &pageName, QWidget *parent);
    ~LargeEditor() override;

    void done(int result) override;

private:
    HtmlEditor *m_editor;
};

} // namespace quillsite
