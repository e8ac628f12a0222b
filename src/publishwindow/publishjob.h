// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "publish/connectionoptions.h"
#include "publish/destinationaddress.h"
#include "publish/publishengine.h"

#include <QUrl>

#include <atomic>
#include <functional>

namespace quillsite {

// One thing the Publish dialog asks of the publishing layer, run away from the window.
struct PublishJob {
    enum class Action {
        Check,   // connect, try writing there, and plan
        Changes, // connect and plan
        Publish,
        Undo // publish the version before the last one
    };
    Action action = Action::Check;
    QString siteFolder;
    DestinationAddress address;
    ConnectionOptions options;
    PublishSettings settings;
    QUrl publicAddress; // checked over HTTP after a publish, when set
};

// How a job ended, with what the dialog needs to say so.
struct PublishJobResult {
    PublishJob::Action action = PublishJob::Action::Check;
    PublishStatus status = PublishStatus::Done;
    // Why no connection could be opened, in the publishing layer's words.
    PublishError openError;
    bool server = false;   // reached over a network, not a folder or Git
    bool busy = false;     // another publish to the place runs
    bool refused = false;  // nothing listens on the port
    bool noServer = false; // the host name is unknown
    // The server shows another key or certificate than the one accepted before.
    bool trustChanged = false;
    QString siteError; // the built site could not be read
    PublishPlan plan;
    QStringList warnings;
    QStringList errors;
    QStringList foreignFiles; // on the server, not written by us
    int sentFiles = 0;
    qint64 sentBytes = 0;
    int toSend = 0;
    qint64 elapsedMilliseconds = 0;
    QStringList verifyDifferences;
    int verifiedFiles = 0;
    bool canUndo = false;
    bool stopped = false; // the user stopped it
};

// What the job tells while it runs; each is called on the job's thread.
struct PublishJobHooks {
    std::function<void(const PublishProgress &)> progress;
    std::function<void(const QString &path)> sending;
    std::function<bool(const QString &question)> confirm;
    const std::atomic_bool *stop = nullptr;
};

PublishJobResult runPublishJob(const PublishJob &job, const PublishJobHooks &hooks);

} // namespace quillsite
