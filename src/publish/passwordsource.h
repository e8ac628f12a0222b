// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

class QTextStream;

namespace quillsite {

// The keyring's service under which the wizard stores publishing passwords.
QString keyringService();

// Finds the password for a place (named without any password): from
// QUILLSITE_PASSWORD, then the desktop keyring, then the terminal without
// echo. Says on err why the keyring could not help; never writes the password
// anywhere. Nothing when none can be had.
std::optional<QString> findPassword(const QString &place, QTextStream &err);

} // namespace quillsite
