// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "publish/destination.h"
#include "publish/destinationaddress.h"
#include "publish/folderdestination.h"

#include <QStringList>

namespace quillsite {

// A branch of a Git repository, reached through the user's own git so that
// their SSH configuration, credential helpers and signing apply. Files are
// staged in a private work clone; finish() makes one commit on top of the
// branch and pushes it, never rewriting what is already there.
class GitDestination final : public Destination {
public:
    explicit GitDestination(const DestinationAddress &address);

    PublishError open() override;
    PublishError readFile(const QString &path, qint64 limit, QByteArray *bytes) override;
    PublishError list(QList<RemoteEntry> *entries) override;
    PublishError put(const QString &path, const QString &localFile) override;
    PublishError remove(const QString &path) override;
    PublishError finish(const QString &summary) override;
    void cancel() override;

private:
    // Runs git in the work clone; on failure, err holds what git said.
    bool git(const QStringList &arguments, QString *out = nullptr, QString *err = nullptr) const;
    PublishError gitFailure(PublishError::Kind kind, const QString &what,
                            const QString &said) const;
    QStringList identity() const;
    PublishError prepareWorkCopy();

    QString m_url;
    QString m_branch;
    QString m_workFolder;
    FolderDestination m_tree;
};

} // namespace quillsite
