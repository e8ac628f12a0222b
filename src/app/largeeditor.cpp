// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/largeeditor.h"

#include "authoring/formattoolbar.h"
#include "authoring/htmleditor.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QToolBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

const QString GeometryKey = u"LargeEditor/geometry"_s;

} // namespace

LargeEditor::LargeEditor(HtmlEditor *editor, const QString &pageName, QWidget *parent)
    : QDialog(parent)
    , m_editor(editor) {
    setObjectName(u"frmLargeEditor"_s);
    setWindowTitle(tr("%1 - Quillsite").arg(pageName));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::WindowModal);
    setSizeGripEnabled(true);
    setMinimumSize(420, 250);

    auto *toolbar = new QToolBar(this);
    toolbar->setObjectName(u"tbrLargeEdit"_s);
    auto *buttons = new FormatToolbar(
        toolbar, [this] { return m_editor; }, this);
    buttons->watch(m_editor);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(toolbar);
    layout->addWidget(m_editor, 1);
    m_editor->show();

    if (!restoreGeometry(QSettings().value(GeometryKey).toByteArray())) {
        // A first use: most of the screen the wizard is on.
        const QRect screen =
            (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
        resize(screen.size() * 3 / 4);
        move(screen.center() - rect().center());
    }
    m_editor->setFocus(Qt::OtherFocusReason);
}

LargeEditor::~LargeEditor() = default;

void LargeEditor::done(int result) {
    QSettings().setValue(GeometryKey, saveGeometry());
    QDialog::done(result);
}

} // namespace quillsite
