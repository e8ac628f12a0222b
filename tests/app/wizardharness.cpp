// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizardharness.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

namespace quillsite {

WizardHarness::WizardHarness(const QString &dataFolder) {
    m_desktop.dataFolder = dataFolder;
}

WizardHarness::~WizardHarness() = default;

bool WizardHarness::open() {
    m_window = std::make_unique<frmMain>(m_desktop, m_dialogs);
    m_window->show();
    m_window->activateWindow();
    return QTest::qWaitForWindowActive(m_window.get());
}

void WizardHarness::click(const QString &buttonName) {
    auto *button = control<QPushButton>(buttonName);
    QVERIFY2(button, qPrintable(buttonName));
    QVERIFY2(button->isVisible() && button->isEnabled(), qPrintable(buttonName));
    QTest::mouseClick(button, Qt::LeftButton);
}

QString WizardHarness::focusName() const {
    const QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

bool noWindowLeftOpen() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::none_of(windows.cbegin(), windows.cend(),
                        [](const QWidget *window) { return window->isVisible(); });
}

} // namespace quillsite
