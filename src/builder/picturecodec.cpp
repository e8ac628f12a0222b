// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/picturecodec.h"

#include "buildinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>

#include <atomic>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

// Stands in when the module is missing: it reads no picture and removes
// nothing, so nothing private gets through and no picture is copied unread.
class UnavailableCodec final : public PictureCodec {
public:
    explicit UnavailableCodec(const QString &reason)
        : m_reason(reason) {}

    PictureHeader header(QIODevice &) const override { return {}; }
    EncodedPicture encode(QIODevice &, QSize, const QByteArray &) const override {
        return {{}, m_reason, {}};
    }
    bool holdsPrivateData(const QByteArray &) const override { return true; }
    QByteArray withoutPrivateData(const QByteArray &) const override { return {}; }

private:
    QString m_reason;
};

struct LoadedCodec {
    const PictureCodec *codec = nullptr;
    FileError failure;
};

QString modulePath() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + u"/../"_s +
                           QLatin1StringView(QUILLSITE_MODULE_INSTALL_DIR) +
                           u"/quillsite-pictures.so"_s);
}

LoadedCodec loadCodec() {
    using Entry = const PictureCodec *(*)();
    QLibrary module(modulePath());
    // Never unloaded: the codec lives as long as the program.
    const auto entry = reinterpret_cast<Entry>(module.resolve("quillsitePictureCodec"));
    if (entry) {
        if (const PictureCodec *codec = entry())
            return {codec, {}};
    }
    const FileError failure{module.fileName(), module.errorString()};
    static const UnavailableCodec unavailable(failure.message(
        QCoreApplication::translate("Builder", "Could not load the picture support")));
    return {&unavailable, failure};
}

std::atomic_bool loadTried = false;

const LoadedCodec &loadedCodec() {
    static const LoadedCodec loaded = loadCodec();
    loadTried = true;
    return loaded;
}

} // namespace

const PictureCodec &pictureCodec() {
    return *loadedCodec().codec;
}

PictureHeader pictureHeader(const QString &path) {
    QFile file(path);
    return pictureCodec().header(file);
}

FileError pictureCodecFailure() {
    return loadTried ? loadedCodec().failure : FileError{};
}

} // namespace quillsite
