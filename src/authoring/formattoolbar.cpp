// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/formattoolbar.h"

#include "authoring/formatbuttons.h"
#include "authoring/htmleditor.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QToolBar>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {
constexpr QSize iconSize(16, 16);
constexpr QSize buttonSize(24, 22);
} // namespace

FormatToolbar::FormatToolbar(QToolBar *toolbar, std::function<HtmlEditor *()> selectedEditor,
                             QObject *parent)
    : QObject(parent)
    , m_toolbar(toolbar)
    , m_selectedEditor(std::move(selectedEditor)) {
    m_toolbar->setIconSize(iconSize);
    auto *alignment = new QActionGroup(m_toolbar);
    alignment->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const FormatButton &b : formatButtons()) {
        if (b.style == ButtonStyle::Separator) {
            m_toolbar->addSeparator();
            continue;
        }
        QAction *action = m_toolbar->addAction(QIcon(b.icon), b.key);
        action->setObjectName(b.key);
        action->setToolTip(b.toolTip);
        action->setCheckable(b.style != ButtonStyle::Plain);
        if (b.style == ButtonStyle::Group)
            alignment->addAction(action);
        if (QWidget *w = m_toolbar->widgetForAction(action))
            w->setFixedSize(buttonSize);
        connect(action, &QAction::triggered, this, [this, action] { sendCommand(action); });
    }
    showInitialState();
}

void FormatToolbar::showInitialState() {
    for (const FormatButton &b : formatButtons()) {
        if (!b.followsEditor)
            continue;
        if (auto *action = m_toolbar->findChild<QAction *>(b.key, Qt::FindDirectChildrenOnly))
            action->setChecked(b.key == u"Left"_s);
    }
}

void FormatToolbar::watch(HtmlEditor *editor) {
    connect(editor, &HtmlEditor::DisplayChanged, this, [this, editor] { refreshFrom(*editor); });
}

void FormatToolbar::sendCommand(QAction *action) {
    const std::optional<EditCommand> command = commandForKey(action->objectName());
    HtmlEditor *editor = m_selectedEditor();
    if (command && editor)
        editor->ExecCommand(*command);
}

void FormatToolbar::refreshFrom(const HtmlEditor &editor) {
    const auto states =
        buttonStates([&editor](EditCommand command) { return editor.QueryStatus(command); });
    for (const auto &[key, pressed] : states) {
        if (auto *action = m_toolbar->findChild<QAction *>(key, Qt::FindDirectChildrenOnly))
            action->setChecked(pressed);
    }
}

} // namespace quillsite
