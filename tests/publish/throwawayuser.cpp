// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "throwawayuser.h"

#include "serverprocess.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <pwd.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace quillsite::test {

namespace {

QString randomText(int length) {
    static const QString letters = u"abcdefghijkmnpqrstuvwxyzABCDEFGHJKLMNPQRSTUVWXYZ23456789"_s;
    QString text;
    for (int i = 0; i < length; ++i)
        text += letters.at(QRandomGenerator::system()->bounded(int(letters.size())));
    return text;
}

} // namespace

ThrowAwayUser::ThrowAwayUser(const QString &home)
    : m_name(u"qstest"_s + randomText(8).toLower())
    , m_password(randomText(24))
    , m_home(home) {
    if (!QDir().mkpath(home) ||
        !runTool(u"useradd"_s, {u"--no-create-home"_s, u"--home-dir"_s, home, u"--shell"_s,
                                u"/bin/sh"_s, u"--comment"_s, u"Quillsite test"_s, m_name}))
        return;
    const passwd *account = getpwnam(m_name.toLocal8Bit().constData());
    if (!account)
        return;
    m_uid = account->pw_uid;
    m_gid = account->pw_gid;
    if (!runTool(u"chpasswd"_s, {}, (m_name + u':' + m_password + u'\n').toUtf8()) || !own(home))
        m_uid = 0;
}

ThrowAwayUser::~ThrowAwayUser() {
    if (getpwnam(m_name.toLocal8Bit().constData()))
        runTool(u"userdel"_s, {u"--force"_s, m_name});
}

bool ThrowAwayUser::own(const QString &path) const {
    return ::chown(QFile::encodeName(path).constData(), m_uid, m_gid) == 0;
}

} // namespace quillsite::test
