// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/frmmain.h"
#include "fakedesktopservices.h"
#include "fakeeditordialogs.h"

#include <QTemporaryDir>
#include <QWidget>

#include <memory>

namespace quillsite {

// One wizard window on the fakes, shown and active, with its controls found by name.
class WizardHarness {
public:
    explicit WizardHarness(const QString &dataFolder);
    ~WizardHarness();

    // Creates and shows the window; false when it didn't become active.
    bool open();

    frmMain &window() { return *m_window; }
    FakeDesktopServices &desktop() { return m_desktop; }
    FakeEditorDialogs &dialogs() { return m_dialogs; }

    template <typename T> T *control(const QString &name) const {
        return m_window->findChild<T *>(name);
    }

    // Clicks a button as the user does, with the mouse.
    void click(const QString &buttonName);
    QString focusName() const;

private:
    FakeDesktopServices m_desktop;
    FakeEditorDialogs m_dialogs;
    std::unique_ptr<frmMain> m_window;
};

// No window of a test may stay open after it.
bool noWindowLeftOpen();

} // namespace quillsite
