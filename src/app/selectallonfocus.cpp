// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/selectallonfocus.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace quillsite {

void SelectAllOnFocus::install(QLineEdit *edit) {
    edit->installEventFilter(new SelectAllOnFocus(edit));
}

SelectAllOnFocus::SelectAllOnFocus(QLineEdit *edit)
    : QObject(edit)
    , m_edit(edit) {}

bool SelectAllOnFocus::eventFilter(QObject *watched, QEvent *event) {
    if (watched != m_edit || event->type() != QEvent::FocusIn)
        return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    // Back from the edit's own context menu: keep the selection the menu worked on.
    if (reason == Qt::PopupFocusReason)
        return false;
    m_edit->selectAll();
    // A click that brings the focus places the caret once its press arrives,
    // after this event; select again when that is done.
    if (reason == Qt::MouseFocusReason) {
        QTimer::singleShot(0, m_edit, [edit = QPointer(m_edit)] {
            if (edit && edit->hasFocus())
                edit->selectAll();
        });
    }
    return false;
}

} // namespace quillsite
