// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QJsonObject>
#include <QObject>

namespace quillsite {

// The object the editor's page script talks to over the web channel.
class EditorBridge final : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // A document too large to pass as the page's address waits here for the page script
    // of load `loadId`; a page of any other load gets nothing.
    void setPendingDocument(int loadId, const QString &html) {
        m_pendingLoad = loadId;
        m_pendingDocument = html;
    }

    Q_INVOKABLE void report(const QJsonObject &snapshot) { emit reported(snapshot); }
    Q_INVOKABLE QString takePendingDocument(int loadId) {
        return loadId == m_pendingLoad ? std::exchange(m_pendingDocument, {}) : QString();
    }
    // The user pressed Ctrl+K in the page.
    Q_INVOKABLE void askLink() { emit linkAsked(); }
    // A picture pasted or dropped: its address, a file URL or a data: address.
    Q_INVOKABLE void offerPicture(const QString &address) { emit pictureOffered(address); }

signals:
    void reported(const QJsonObject &snapshot);
    void linkAsked();
    void pictureOffered(const QString &address);

private:
    int m_pendingLoad = 0;
    QString m_pendingDocument;
};

} // namespace quillsite
