// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <sys/types.h>

namespace quillsite::test {

// A system account made for one test run, with a random name and password and its home in
// the test's own folder, deleted again by the destructor. The servers log it in as they
// would any user; no real account's password is touched. The password is set through
// chpasswd's standard input, never a command line.
class ThrowAwayUser final {
public:
    explicit ThrowAwayUser(const QString &home);
    ~ThrowAwayUser();
    ThrowAwayUser(const ThrowAwayUser &) = delete;
    ThrowAwayUser &operator=(const ThrowAwayUser &) = delete;

    bool isValid() const { return m_uid != 0; }
    const QString &name() const { return m_name; }
    const QString &password() const { return m_password; }
    const QString &home() const { return m_home; }
    // Gives `path` to the user, so that the servers, acting as the user, can write there.
    bool own(const QString &path) const;

private:
    QString m_name;
    QString m_password;
    QString m_home;
    uid_t m_uid = 0;
    gid_t m_gid = 0;
};

} // namespace quillsite::test
