// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ftpdestination.h"

#include "publish/ftplisting.h"
#include "publish/uploadname.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QUrl>

#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <mutex>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(FtpDestination)
};

using Kind = PublishError::Kind;

// Listings beyond this are not a web site's folder; they are refused rather than held.
constexpr qsizetype kLargestListing = 64 * 1024 * 1024;
constexpr qsizetype kMostEntries = 1000000;

int destinationIndex() {
    static const int index = SSL_CTX_get_ex_new_index(0, nullptr, nullptr, nullptr, nullptr);
    return index;
}

void initializeCurl() {
    static std::once_flag once;
    std::call_once(once, [] {
        curl_global_init(CURL_GLOBAL_DEFAULT);
        destinationIndex();
    });
}

QString certificateFingerprint(X509 *certificate) {
    const int size = i2d_X509(certificate, nullptr);
    if (size <= 0)
        return {};
    QByteArray der(size, Qt::Uninitialized);
    auto *out = reinterpret_cast<unsigned char *>(der.data());
    i2d_X509(certificate, &out);
    return u"SHA256:"_s +
           QString::fromLatin1(QCryptographicHash::hash(der, QCryptographicHash::Sha256)
                                   .toBase64(QByteArray::OmitTrailingEquals));
}

// Notes the server's certificate; with a pin, that certificate and no other is trusted,
// whoever signed it.
int verifyCertificate(int verified, X509_STORE_CTX *store) {
    auto *ssl =
        static_cast<SSL *>(X509_STORE_CTX_get_ex_data(store, SSL_get_ex_data_X509_STORE_CTX_idx()));
    auto *destination = static_cast<FtpDestination *>(
        SSL_CTX_get_ex_data(SSL_get_SSL_CTX(ssl), destinationIndex()));
    X509 *certificate = X509_STORE_CTX_get0_cert(store);
    if (!destination || !certificate)
        return verified;
    const QString fingerprint = certificateFingerprint(certificate);
    destination->sawCertificate(fingerprint);
    if (destination->pin().isEmpty())
        return verified;
    if (fingerprint != destination->pin())
        return 0;
    X509_STORE_CTX_set_error(store, X509_V_OK);
    return 1;
}

CURLcode prepareTls(CURL *, void *context, void *destination) {
    auto *tls = static_cast<SSL_CTX *>(context);
    SSL_CTX_set_ex_data(tls, destinationIndex(), destination);
    SSL_CTX_set_verify(tls, SSL_VERIFY_PEER, verifyCertificate);
    return CURLE_OK;
}

int progress(void *destination, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return *static_cast<std::atomic<bool> *>(destination) ? 1 : 0;
}

size_t readFromFile(char *buffer, size_t size, size_t count, void *file) {
    const qint64 read = static_cast<QFile *>(file)->read(buffer, qint64(size * count));
    return read < 0 ? CURL_READFUNC_ABORT : size_t(read);
}

struct Download {
    QByteArray *bytes;
    qsizetype limit;
    bool tooLarge = false;
};

size_t writeToBytes(char *buffer, size_t size, size_t count, void *target) {
    auto *download = static_cast<Download *>(target);
    const qsizetype length = qsizetype(size * count);
    if (download->bytes->size() + length > download->limit) {
        download->tooLarge = true;
        return 0;
    }
    download->bytes->append(buffer, length);
    return size * count;
}

QByteArray folderOf(const QString &path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QByteArray() : path.left(slash).toUtf8();
}

QByteArray fileNameOf(const QString &path) {
    return path.mid(path.lastIndexOf(u'/') + 1).toUtf8();
}

} // namespace

FtpDestination::FtpDestination(const DestinationAddress &address, const ConnectionOptions &options)
    : m_address(address)
    , m_options(options) {
    initializeCurl();
    m_curl = curl_easy_init();
}

FtpDestination::~FtpDestination() {
    curl_easy_cleanup(m_curl);
    m_password.fill('\0');
}

QString FtpDestination::account() const {
    QString text = m_address.host;
    if (m_address.port > 0 && m_address.port != 21)
        text += u':' + QString::number(m_address.port);
    return m_address.user.isEmpty() ? text : m_address.user + u'@' + text;
}

// The server's address, with no user name or password in it.
QByteArray FtpDestination::serverUrl() const {
    const QByteArray host = m_address.host.contains(u':') ? '[' + m_address.host.toUtf8() + ']'
                                                          : QUrl::toAce(m_address.host);
    QByteArray text = "ftp://" + host;
    if (m_address.port > 0)
        text += ':' + QByteArray::number(m_address.port);
    return text + '/';
}

// The address of `path` below the published folder, which is named from the login folder
// as in ftp:// addresses; a path ending in '/' is a folder.
QByteArray FtpDestination::url(const QString &path) const {
    QByteArray text = serverUrl();
    const QString full = m_address.path + u'/' + path;
    for (const QString &part : full.split(u'/', Qt::SkipEmptyParts))
        text += QUrl::toPercentEncoding(part) + '/';
    if (!path.isEmpty() && !path.endsWith(u'/'))
        text.chop(1);
    return text;
}

void FtpDestination::prepare(const QString &path) {
    // A reset keeps the connection, its TLS session and the folder it is in.
    curl_easy_reset(m_curl);
    const QByteArray address = url(path);
    curl_easy_setopt(m_curl, CURLOPT_URL, address.constData());
    curl_easy_setopt(m_curl, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(m_curl, CURLOPT_ERRORBUFFER, m_curlError);
    curl_easy_setopt(m_curl, CURLOPT_NOSIGNAL, 1L);
    const QByteArray user = m_address.user.toUtf8();
    curl_easy_setopt(m_curl, CURLOPT_USERNAME, user.constData());
    curl_easy_setopt(m_curl, CURLOPT_PASSWORD, m_password.constData());
    curl_easy_setopt(m_curl, CURLOPT_USE_SSL,
                     m_address.kind == DestinationAddress::Kind::Ftp ? CURLUSESSL_NONE
                                                                     : CURLUSESSL_ALL);
    // TLS 1.2: with 1.3, libcurl and OpenSSL often fail to resume the control connection's
    // session on a data connection (its tickets come late), and servers that require that
    // refuse the transfer.
    curl_easy_setopt(m_curl, CURLOPT_SSLVERSION,
                     long(CURL_SSLVERSION_TLSv1_2) | long(CURL_SSLVERSION_MAX_TLSv1_2));
    curl_easy_setopt(m_curl, CURLOPT_SSL_CTX_FUNCTION, prepareTls);
    curl_easy_setopt(m_curl, CURLOPT_SSL_CTX_DATA, this);
    if (!m_options.caCertFile.isEmpty()) {
        const QByteArray file = QFile::encodeName(m_options.caCertFile);
        curl_easy_setopt(m_curl, CURLOPT_CAINFO, file.constData());
    }
    // A pinned certificate stands for the server whatever name it carries.
    if (!m_options.pin.isEmpty())
        curl_easy_setopt(m_curl, CURLOPT_SSL_VERIFYHOST, 0L);
    curl_easy_setopt(m_curl, CURLOPT_CONNECTTIMEOUT, long(m_options.connectTimeoutSeconds));
    curl_easy_setopt(m_curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(m_options.stallTimeoutSeconds));
    curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_TIME, long(m_options.stallTimeoutSeconds));
    curl_easy_setopt(m_curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(m_curl, CURLOPT_XFERINFOFUNCTION, progress);
    curl_easy_setopt(m_curl, CURLOPT_XFERINFODATA, &m_cancelled);
    m_curlError[0] = 0;
}

PublishError FtpDestination::perform(const QString &subject) {
    const CURLcode code = curl_easy_perform(m_curl);
    if (code == CURLE_OK)
        return {};
    long reply = 0;
    curl_easy_getinfo(m_curl, CURLINFO_RESPONSE_CODE, &reply);
    const QString why = QString::fromUtf8(m_curlError[0] ? m_curlError : curl_easy_strerror(code));
    switch (code) {
    case CURLE_ABORTED_BY_CALLBACK:
        return {Kind::Failed, Texts::tr("Publishing was stopped."), {}};
    case CURLE_LOGIN_DENIED:
        return {Kind::Authenticate,
                Texts::tr("%1 did not accept the user name or the password.").arg(account()),
                {}};
    case CURLE_PEER_FAILED_VERIFICATION:
        if (m_fingerprint.isEmpty())
            break;
        if (!m_options.pin.isEmpty()) {
            return {Kind::Trust,
                    Texts::tr("The certificate of %1 is not the one pinned: it has the "
                              "fingerprint %2.")
                        .arg(account(), m_fingerprint),
                    m_fingerprint};
        }
        return {Kind::Trust,
                Texts::tr("The certificate of %1 is not trusted (%2). Its fingerprint is %3. If "
                          "that is the fingerprint its administrator gave you, publish again "
                          "with --pin %3.")
                    .arg(account(), why, m_fingerprint),
                m_fingerprint};
    case CURLE_USE_SSL_FAILED:
        return {
            Kind::Connect, Texts::tr("%1 does not offer FTPS (explicit TLS).").arg(account()), {}};
    case CURLE_REMOTE_FILE_NOT_FOUND:
        return {Kind::NotFound, Texts::tr("%1 is not on %2.").arg(subject, account()), {}};
    case CURLE_REMOTE_DISK_FULL:
        return {
            Kind::NoSpace, Texts::tr("%1 has no space left for %2.").arg(account(), subject), {}};
    default:
        break;
    }
    if (reply == 452 || reply == 552)
        return {
            Kind::NoSpace, Texts::tr("%1 has no space left for %2.").arg(account(), subject), {}};
    if (!m_opened || code == CURLE_COULDNT_CONNECT || code == CURLE_COULDNT_RESOLVE_HOST) {
        return {Kind::Connect, Texts::tr("Could not connect to %1: %2").arg(account(), why), {}};
    }
    // Lost connections, stalls and the server's "try again later" (4xx) pass.
    const bool transient = code == CURLE_OPERATION_TIMEDOUT || code == CURLE_SEND_ERROR ||
                           code == CURLE_RECV_ERROR || code == CURLE_GOT_NOTHING ||
                           code == CURLE_PARTIAL_FILE || code == CURLE_SSL_CONNECT_ERROR ||
                           code == CURLE_FTP_ACCEPT_TIMEOUT || (reply >= 400 && reply < 500);
    return {transient ? Kind::Transient : Kind::Failed,
            Texts::tr("%1 could not handle %2: %3").arg(account(), subject, why),
            {}};
}

PublishError FtpDestination::open() {
    if (m_address.kind == DestinationAddress::Kind::Ftp && !m_options.allowPlainFtp) {
        return {Kind::Trust,
                Texts::tr("Plain FTP would send your password to %1 across the network, where "
                          "anyone on the way can read it. Publish to ftps:// if the server "
                          "offers it, or add --allow-plain-ftp to send it readable anyway.")
                    .arg(account()),
                {}};
    }
    const std::optional<QString> password =
        m_options.password ? m_options.password() : std::nullopt;
    if (!password) {
        return {Kind::Authenticate,
                Texts::tr("%1 asks for a password, and none was given. Set QUILLSITE_PASSWORD, "
                          "or run the command in a terminal to type it.")
                    .arg(account()),
                {}};
    }
    m_password = password->toUtf8();
    // Logging in is all this asks of the server: the published folder may not exist yet.
    prepare(QString());
    const QByteArray loginFolder = serverUrl();
    curl_easy_setopt(m_curl, CURLOPT_URL, loginFolder.constData());
    curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
    // The server's features say whether it lists folders in MLSD's fixed form; asking
    // blindly costs a failed data connection on servers without it.
    curl_slist *features = curl_slist_append(nullptr, "*FEAT"); // "*": a server without it is fine
    curl_easy_setopt(m_curl, CURLOPT_QUOTE, features);
    QByteArray replies;
    Download download{&replies, kLargestListing};
    curl_easy_setopt(m_curl, CURLOPT_HEADERFUNCTION, writeToBytes);
    curl_easy_setopt(m_curl, CURLOPT_HEADERDATA, &download);
    const PublishError error = perform(account());
    curl_slist_free_all(features);
    m_opened = !error.failed();
    m_machineListing = replies.toUpper().contains(" MLST");
    // Commands sent before a transfer run wherever the last one left the connection, so they
    // name their files from the root, through the folder the server logged us into.
    const char *entryPath = nullptr;
    if (m_opened && curl_easy_getinfo(m_curl, CURLINFO_FTP_ENTRY_PATH, &entryPath) == CURLE_OK &&
        entryPath)
        m_entryPath = QString::fromUtf8(entryPath);
    return error;
}

QByteArray FtpDestination::serverPath(const QString &path) const {
    QString text = m_entryPath;
    const QString full = m_address.path + u'/' + path;
    for (const QString &part : full.split(u'/', Qt::SkipEmptyParts)) {
        if (!text.isEmpty() && !text.endsWith(u'/'))
            text += u'/';
        text += part;
    }
    return text.toUtf8();
}

PublishError FtpDestination::put(const QString &path, const QString &localFile) {
    QFile file(localFile);
    if (!file.open(QIODevice::ReadOnly)) {
        return {Kind::Failed,
                Texts::tr("Could not read %1: %2").arg(localFile, file.errorString()),
                {}};
    }
    const QByteArray temporary = temporaryUploadName(fileNameOf(path));
    const QString folder = QString::fromUtf8(folderOf(path));
    const QString folderPath = folder.isEmpty() ? QString() : folder + u'/';
    prepare(folderPath + QString::fromUtf8(temporary));
    curl_easy_setopt(m_curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(m_curl, CURLOPT_READFUNCTION, readFromFile);
    curl_easy_setopt(m_curl, CURLOPT_READDATA, &file);
    curl_easy_setopt(m_curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(file.size()));
    curl_easy_setopt(m_curl, CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_RETRY));
    // Renamed into place only once the server confirmed the whole file.
    const QByteArray from = "RNFR " + serverPath(folderPath + QString::fromUtf8(temporary));
    const QByteArray to = "RNTO " + serverPath(path);
    curl_slist *rename = curl_slist_append(nullptr, from.constData());
    rename = curl_slist_append(rename, to.constData());
    curl_easy_setopt(m_curl, CURLOPT_POSTQUOTE, rename);
    const PublishError error = perform(path);
    curl_slist_free_all(rename);
    if (!error.failed() || m_cancelled)
        return error;
    long reply = 0;
    curl_easy_getinfo(m_curl, CURLINFO_RESPONSE_CODE, &reply);
    // Servers that rename only onto a free name: the old file has to go first.
    if ((reply == 550 || reply == 553) &&
        !quote({"DELE " + serverPath(path), from, to}, path).failed())
        return {};
    quote({"DELE " + serverPath(folderPath + QString::fromUtf8(temporary))}, path);
    return error;
}

PublishError FtpDestination::quote(const QList<QByteArray> &commands, const QString &subject) {
    prepare(QString());
    const QByteArray loginFolder = serverUrl();
    curl_easy_setopt(m_curl, CURLOPT_URL, loginFolder.constData());
    curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
    curl_slist *list = nullptr;
    for (const QByteArray &command : commands)
        list = curl_slist_append(list, command.constData());
    curl_easy_setopt(m_curl, CURLOPT_QUOTE, list);
    const PublishError error = perform(subject);
    curl_slist_free_all(list);
    return error;
}

PublishError FtpDestination::remove(const QString &path) {
    PublishError error = quote({"DELE " + serverPath(path)}, path);
    long reply = 0;
    curl_easy_getinfo(m_curl, CURLINFO_RESPONSE_CODE, &reply);
    if (error.failed() && reply == 550)
        error.kind = Kind::NotFound;
    return error;
}

PublishError FtpDestination::readFile(const QString &path, qint64 limit, QByteArray *bytes) {
    bytes->clear();
    Download download{bytes, qsizetype(std::min<qint64>(limit, kLargestListing))};
    prepare(path);
    curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, writeToBytes);
    curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, &download);
    PublishError error = perform(path);
    long reply = 0;
    curl_easy_getinfo(m_curl, CURLINFO_RESPONSE_CODE, &reply);
    if (download.tooLarge) {
        return {Kind::Failed,
                Texts::tr("%1 on %2 is larger than %3 bytes; it was not read.")
                    .arg(path, account())
                    .arg(limit),
                {}};
    }
    // A published folder that does not exist yet holds no file either.
    if (error.failed() && reply == 550)
        error.kind = Kind::NotFound;
    return error;
}

PublishError FtpDestination::readListing(const QString &folder, QByteArray *listing) {
    for (;;) {
        listing->clear();
        Download download{listing, kLargestListing};
        prepare(folder);
        curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, writeToBytes);
        curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, &download);
        // MLSD gives sizes and types in a fixed form; LIST -a is the fallback, which also
        // shows names that begin with a dot.
        curl_easy_setopt(m_curl, CURLOPT_CUSTOMREQUEST, m_machineListing ? "MLSD" : "LIST -a");
        const PublishError error = perform(folder);
        long reply = 0;
        curl_easy_getinfo(m_curl, CURLINFO_RESPONSE_CODE, &reply);
        if (error.failed() && m_machineListing && (reply == 500 || reply == 502 || reply == 504)) {
            m_machineListing = false;
            continue;
        }
        if (error.failed() && reply == 550)
            return {Kind::NotFound, error.message, {}};
        return error;
    }
}

PublishError FtpDestination::list(QList<RemoteEntry> *entries) {
    entries->clear();
    QStringList pending{QString()};
    while (!pending.isEmpty()) {
        if (PublishError error = listFolder(pending.takeFirst(), entries, &pending); error.failed())
            return error;
        if (entries->size() > kMostEntries) {
            return {Kind::Failed,
                    Texts::tr("%1 holds more than %2 files; they were not all listed.")
                        .arg(account())
                        .arg(kMostEntries),
                    {}};
        }
    }
    return {};
}

PublishError FtpDestination::listFolder(const QString &prefix, QList<RemoteEntry> *entries,
                                        QStringList *pending) {
    QByteArray listing;
    if (PublishError error = readListing(prefix + u'/', &listing); error.failed()) {
        // A published folder that does not exist yet holds nothing.
        return prefix.isEmpty() && error.kind == Kind::NotFound ? PublishError{} : error;
    }
    const QList<RemoteEntry> found =
        m_machineListing ? parseMachineListing(listing) : parseUnixListing(listing);
    for (RemoteEntry entry : found) {
        if (entry.path.contains(u'/'))
            continue;
        entry.path = prefix.isEmpty() ? entry.path : prefix + u'/' + entry.path;
        if (entry.isFolder && !entry.isLink)
            pending->append(entry.path);
        entries->append(entry);
    }
    return {};
}

PublishError FtpDestination::finish(const QString &) {
    return {};
}

void FtpDestination::cancel() {
    m_cancelled = true;
}

std::unique_ptr<Destination> makeFtpDestination(const DestinationAddress &address,
                                                const ConnectionOptions &options) {
    return std::make_unique<FtpDestination>(address, options);
}

} // namespace quillsite
