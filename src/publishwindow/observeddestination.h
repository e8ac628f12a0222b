// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "publish/destination.h"

#include <QMutex>

#include <functional>
#include <memory>

namespace quillsite {

// What the connections of one publish have seen, shared between them: how opening
// went, so that the dialog can say in its own words what stopped it.
class DestinationObserver final {
public:
    // Called on the connection's thread as a file starts going up.
    std::function<void(const QString &path)> onSending;

    void noteOpened(const PublishError &error);
    // The first failure of opening a connection, or none.
    PublishError openError() const;
    bool opened() const;

private:
    mutable QMutex m_mutex;
    PublishError m_openError;
    bool m_opened = false;
};

// A destination that tells an observer what it does, and otherwise is the one it wraps.
class ObservedDestination final : public Destination {
public:
    ObservedDestination(std::unique_ptr<Destination> inner, DestinationObserver &observer);

    PublishError open() override;
    PublishError readFile(const QString &path, qint64 limit, QByteArray *bytes) override;
    PublishError list(QList<RemoteEntry> *entries) override;
    PublishError put(const QString &path, const QString &localFile) override;
    PublishError remove(const QString &path) override;
    PublishError finish(const QString &summary) override;
    void cancel() override;

private:
    std::unique_ptr<Destination> m_inner;
    DestinationObserver &m_observer;
};

} // namespace quillsite
