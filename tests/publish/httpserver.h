// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>

namespace quillsite::test {

// Python's http.server serving a folder on 127.0.0.1 and a port it picks itself, as a web
// server shows a published site; stopped by its process id.
class HttpServer final {
public:
    ~HttpServer() { stop(); }

    // Returns an empty text once the server says where it listens, or why it does not.
    QString start(const QString &folder);
    void stop();
    // "http://127.0.0.1:PORT/".
    const QString &url() const { return m_url; }

private:
    QProcess m_process;
    QString m_url;
};

} // namespace quillsite::test
