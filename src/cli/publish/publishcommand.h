// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "publish/connectionoptions.h"
#include "publish/destinationaddress.h"
#include "publish/publishengine.h"

#include <QUrl>

namespace quillsite {

enum class PublishMode { Publish, DryRun, Check, ShowText, Fail };

// What quillsite-publish was asked to do.
struct PublishCommand {
    PublishMode mode = PublishMode::Publish;
    QString text;  // ShowText: what to print
    QString error; // Fail: what is wrong, and how to put it right
    QString site;  // empty with --rollback
    DestinationAddress address;
    ConnectionOptions connection;
    PublishSettings settings;
    QUrl verify;
    bool rollback = false;
    bool quiet = false;
};

PublishCommand interpretPublishCommandLine(const QStringList &arguments);

} // namespace quillsite
