// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/publish/publishcommand.h"

#include <atomic>

class QTextStream;

namespace quillsite {

// quillsite-publish's exit status beyond the engine's own.
enum class PublishExit { UsageError = 2, VerifyFailed = 5 };

// Runs one publish as the command asks, talking on out and err, and returns
// the exit status. Stops after the file in flight once stop is set.
int runPublish(const PublishCommand &command, const std::atomic_bool &stop, QTextStream &out,
               QTextStream &err);

} // namespace quillsite
