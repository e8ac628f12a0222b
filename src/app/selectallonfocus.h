// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QLineEdit;

namespace quillsite {

// Selects the whole text of a line edit whenever the focus arrives, so that
// typing replaces it. The selection is made at the moment the focus arrives:
// code that moves the focus and then sets a selection of its own wins.
class SelectAllOnFocus final : public QObject {
    Q_OBJECT

public:
    // Installs itself on `edit` and lives as long as it.
    static void install(QLineEdit *edit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit SelectAllOnFocus(QLineEdit *edit);

    QLineEdit *m_edit;
};

} // namespace quillsite
