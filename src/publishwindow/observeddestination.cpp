// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publishwindow/observeddestination.h"

namespace quillsite {

void DestinationObserver::noteOpened(const PublishError &error) {
    QMutexLocker locker(&m_mutex);
    if (!error.failed())
        m_opened = true;
    else if (!m_openError.failed())
        m_openError = error;
}

PublishError DestinationObserver::openError() const {
    QMutexLocker locker(&m_mutex);
    return m_openError;
}

bool DestinationObserver::opened() const {
    QMutexLocker locker(&m_mutex);
    return m_opened;
}

ObservedDestination::ObservedDestination(std::unique_ptr<Destination> inner,
                                         DestinationObserver &observer)
    : m_inner(std::move(inner))
    , m_observer(observer) {}

PublishError ObservedDestination::open() {
    const PublishError error = m_inner->open();
    m_observer.noteOpened(error);
    return error;
}

PublishError ObservedDestination::readFile(const QString &path, qint64 limit, QByteArray *bytes) {
    return m_inner->readFile(path, limit, bytes);
}

PublishError ObservedDestination::list(QList<RemoteEntry> *entries) {
    return m_inner->list(entries);
}

PublishError ObservedDestination::put(const QString &path, const QString &localFile) {
    if (m_observer.onSending)
        m_observer.onSending(path);
    return m_inner->put(path, localFile);
}

PublishError ObservedDestination::remove(const QString &path) {
    return m_inner->remove(path);
}

PublishError ObservedDestination::finish(const QString &summary) {
    return m_inner->finish(summary);
}

void ObservedDestination::cancel() {
    m_inner->cancel();
}

} // namespace quillsite
