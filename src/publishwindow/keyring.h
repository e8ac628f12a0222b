// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>
#include <optional>

class QObject;

namespace quillsite {

// The desktop keyring, under the entry quillsite-publish reads too. Each call
// answers later, on the caller's thread, while `context` lives; nothing is
// ever written anywhere else.
struct KeyringAnswer {
    bool available = true; // false: no keyring is running
    std::optional<QString> password;
    QString problem; // why the keyring could not help, when it could not
};

void readKeyring(QObject *context, const QString &place,
                 std::function<void(const KeyringAnswer &)> done);
void storeInKeyring(QObject *context, const QString &place, const QString &password,
                    std::function<void(const KeyringAnswer &)> done);
void forgetInKeyring(QObject *context, const QString &place);

} // namespace quillsite
