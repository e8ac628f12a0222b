#pragma once

#include <QJsonObject>
#include <QObject>

namespace quillsite {

// The object the editor's page script talks to over the web channel.
class EditorBridge final : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // A document too large to pass as the page's address waits here for the page script.
    void setPendingDocument(const QString &html) { m_pendingDocument = html; }

    Q_INVOKABLE void report(const QJsonObject &snapshot) { emit reported(snapshot); }
    Q_INVOKABLE QString takePendingDocument() { return std::exchange(m_pendingDocument, {}); }
    // The user pressed Ctrl+K in the page.
    Q_INVOKABLE void askLink() { emit linkAsked(); }
    // A picture pasted or dropped: its address, a file URL or a data: address.
    Q_INVOKABLE void offerPicture(const QString &address) { emit pictureOffered(address); }

signals:
    void reported(const QJsonObject &snapshot);
    void linkAsked();
    void pictureOffered(const QString &address);

private:
    QString m_pendingDocument;
};

} // namespace quillsite
