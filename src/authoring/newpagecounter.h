// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

namespace quillsite {

// The number in the Add Page dialog's default name "New Page <n>". One
// counter lasts for the whole run and is never reset.
class NewPageCounter final {
    Q_DECLARE_TR_FUNCTIONS(NewPageCounter)

public:
    int value() const { return m_value; }
    // "New Page " followed by the counter.
    QString defaultName() const;
    // Called with a name about to be added as a blank or opened page: a name
    // whose first nine characters are exactly "New Page " advances the
    // counter, even if the page is then refused.
    void nameAdding(const QString &name);

private:
    static QString defaultNamePrefix();

    int m_value = 0;
};

} // namespace quillsite
