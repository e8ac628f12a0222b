// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>
#include <QWebEnginePage>

namespace quillsite {

Q_DECLARE_LOGGING_CATEGORY(lcEditor)

// The editor's web page: shows only the documents the editor gives it. It refuses every
// navigation away from the document, opens no windows, and logs the page script's console.
class EditorPage final : public QWebEnginePage {
    Q_OBJECT

public:
    explicit EditorPage(QObject *parent = nullptr);

    // Shows html with baseUrl as its address for relative links.
    void showDocument(const QByteArray &utf8Html, const QUrl &baseUrl);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int lineNumber, const QString &sourceId) override;

private:
    int m_ownLoadsPending = 0;
};

} // namespace quillsite
