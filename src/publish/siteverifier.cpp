// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publish/siteverifier.h"

#include "publish/publishplan.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translation catalogues.
struct VerifierText {
    Q_DECLARE_TR_FUNCTIONS(VerifierText)
};

constexpr int inFlight = 4;
constexpr int timeoutMilliseconds = 60'000;

QString compare(QNetworkReply *reply, const SiteFile &file) {
    if (reply->error() != QNetworkReply::NoError)
        return VerifierText::tr("%1: %2").arg(file.path, reply->errorString());
    QFile local(file.localFile);
    if (!local.open(QIODevice::ReadOnly))
        return VerifierText::tr("%1: cannot read the file sent").arg(file.path);
    if (reply->readAll() != local.readAll())
        return VerifierText::tr("%1: the server gives different bytes than were sent")
            .arg(file.path);
    return {};
}

} // namespace

bool isVerifiable(const QString &path) {
    static const QStringList pictures{u".jpg"_s, u".jpeg"_s, u".png"_s,
                                      u".gif"_s, u".webp"_s, u".svg"_s};
    return isPage(path) ||
           std::any_of(pictures.cbegin(), pictures.cend(), [&](const QString &suffix) {
               return path.endsWith(suffix, Qt::CaseInsensitive);
           });
}

QStringList verifySite(const QUrl &base, const QList<SiteFile> &files) {
    QNetworkAccessManager network;
    QEventLoop loop;
    QStringList differences;
    qsizetype next = 0;
    int running = 0;
    QUrl folder = base;
    if (!folder.path().endsWith(u'/'))
        folder.setPath(folder.path() + u'/');
    std::function<void()> startMore = [&] {
        while (running < inFlight && next < files.size()) {
            const SiteFile &file = files.at(next++);
            QUrl address = folder;
            address.setPath(folder.path() + file.path);
            QNetworkRequest request(address);
            request.setTransferTimeout(timeoutMilliseconds);
            request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                                 QNetworkRequest::AlwaysNetwork);
            QNetworkReply *reply = network.get(request);
            ++running;
            QObject::connect(reply, &QNetworkReply::finished, &loop, [&, reply, file] {
                if (const QString difference = compare(reply, file); !difference.isEmpty())
                    differences.append(difference);
                reply->deleteLater();
                --running;
                startMore();
                if (running == 0)
                    loop.quit();
            });
        }
    };
    startMore();
    if (running > 0)
        loop.exec();
    differences.sort();
    return differences;
}

} // namespace quillsite
