// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publish/publishengine.h"

#include <QFile>
#include <QMutex>
#include <QTemporaryDir>
#include <QTest>

using namespace quillsite;
using namespace Qt::StringLiterals;

namespace {

using Kind = PublishError::Kind;

// A server in memory whose puts and removals fail as a row says: each path's
// errors are given out one per call, in order, then the call succeeds.
struct MemoryServer {
    QMutex mutex;
    QMap<QString, QByteArray> files;
    QMap<QString, QList<Kind>> failures;
    QStringList calls;
    qint64 roundTrip = -1; // microseconds; -1: unknown

    PublishError nextFailure(const QString &call, const QString &path) {
        calls.append(call + u' ' + path);
        QList<Kind> &queue = failures[path];
        if (queue.isEmpty())
            return {};
        return {queue.takeFirst(), call + u" failed: "_s + path, {}};
    }
};

class MemoryDestination final : public Destination {
public:
    explicit MemoryDestination(MemoryServer *server)
        : m_server(server) {}
    PublishError open() override { return {}; }
    PublishError readFile(const QString &path, qint64 limit, QByteArray *bytes) override {
        QMutexLocker locker(&m_server->mutex);
        if (PublishError error = m_server->nextFailure(u"read"_s, path); error.failed())
            return error;
        if (!m_server->files.contains(path))
            return {Kind::NotFound, path, {}};
        *bytes = m_server->files.value(path).left(limit);
        return {};
    }
    PublishError list(QList<RemoteEntry> *entries) override {
        QMutexLocker locker(&m_server->mutex);
        for (auto file = m_server->files.cbegin(); file != m_server->files.cend(); ++file)
            entries->append({file.key(), file.value().size(), false, false});
        return {};
    }
    PublishError put(const QString &path, const QString &localFile) override {
        QMutexLocker locker(&m_server->mutex);
        if (PublishError error = m_server->nextFailure(u"put"_s, path); error.failed())
            return error;
        QFile file(localFile);
        if (!file.open(QIODevice::ReadOnly))
            return {Kind::Failed, localFile, {}};
        m_server->files.insert(path, file.readAll());
        return {};
    }
    PublishError remove(const QString &path) override {
        QMutexLocker locker(&m_server->mutex);
        if (PublishError error = m_server->nextFailure(u"remove"_s, path); error.failed())
            return error;
        return m_server->files.remove(path) ? PublishError{}
                                            : PublishError{Kind::NotFound, path, {}};
    }
    PublishError finish(const QString &) override { return {}; }
    void cancel() override {}
    qint64 roundTripMicroseconds() const override { return m_server->roundTrip; }

private:
    MemoryServer *m_server;
};

QString hashOf(const QByteArray &bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

} // namespace

class tst_PublishEngine : public QObject {
    Q_OBJECT

private slots:
    void failures_areNeverRecordedAsSuccess_data();
    void failures_areNeverRecordedAsSuccess();
    void connections_asManyAsTheFilesAndTheDistanceJustify_data();
    void connections_asManyAsTheFilesAndTheDistanceJustify();

private:
    QList<SiteFile> writeSite(const QTemporaryDir &folder, const QMap<QString, QByteArray> &files);
};

QList<SiteFile> tst_PublishEngine::writeSite(const QTemporaryDir &folder,
                                             const QMap<QString, QByteArray> &files) {
    QList<SiteFile> site;
    for (auto file = files.cbegin(); file != files.cend(); ++file) {
        const QString local = folder.filePath(QString::number(site.size()));
        QFile out(local);
        if (!out.open(QIODevice::WriteOnly) || out.write(file.value()) != file.value().size())
            return {};
        site.append({file.key(), file.value().size(), hashOf(file.value()), local});
    }
    return site;
}

void tst_PublishEngine::failures_areNeverRecordedAsSuccess_data() {
    QTest::addColumn<QStringList>("failures"); // "path=Kind,Kind"
    QTest::addColumn<int>("status");
    // What the manifest left on the server says of each path: its content's
    // version ("new" or "old"), "unknown", or "absent".
    QTest::addColumn<QStringList>("manifest");

    // Before each row the server holds the old version: index.htm, old.htm,
    // gone.htm and media/p.jpg. The site changes index.htm and media/p.jpg,
    // adds new.htm, and drops gone.htm.
    QTest::newRow("all goes well")
        << QStringList{} << 0
        << QStringList{u"index.htm=new"_s, u"media/p.jpg=new"_s, u"new.htm=new"_s, u"old.htm=old"_s,
                       u"gone.htm=absent"_s};
    QTest::newRow("transient errors are retried")
        << QStringList{u"new.htm=Transient,Transient,Transient"_s} << 0
        << QStringList{u"index.htm=new"_s, u"new.htm=new"_s, u"gone.htm=absent"_s};
    QTest::newRow("a fourth transient error fails, and nothing after it is sent")
        << QStringList{u"new.htm=Transient,Transient,Transient,Transient"_s} << 1
        << QStringList{u"media/p.jpg=new"_s, u"new.htm=unknown"_s, u"index.htm=old"_s,
                       u"gone.htm=old"_s};
    QTest::newRow("a failed picture stops the pages")
        << QStringList{u"media/p.jpg=Failed"_s} << 1
        << QStringList{u"media/p.jpg=unknown"_s, u"new.htm=absent"_s, u"index.htm=old"_s,
                       u"gone.htm=old"_s};
    QTest::newRow("a full disk stops it") << QStringList{u"index.htm=NoSpace"_s} << 1
                                          << QStringList{u"media/p.jpg=new"_s, u"new.htm=new"_s,
                                                         u"index.htm=unknown"_s, u"gone.htm=old"_s};
    QTest::newRow("a failed removal stays listed")
        << QStringList{u"gone.htm=Failed"_s} << 1
        << QStringList{u"index.htm=new"_s, u"gone.htm=old"_s};
    QTest::newRow("a file already gone counts as removed")
        << QStringList{u"gone.htm=NotFound"_s} << 0 << QStringList{u"gone.htm=absent"_s};
    QTest::newRow("a manifest read once more after a transient error")
        << QStringList{u".quillsite-manifest.json=Transient"_s} << 0
        << QStringList{u"index.htm=new"_s, u"gone.htm=absent"_s};
    QTest::newRow("a manifest that can't be fetched stops before anything is sent")
        << QStringList{u".quillsite-manifest.json=Connect,Connect"_s} << 3
        << QStringList{u"index.htm=old"_s, u"new.htm=absent"_s, u"gone.htm=old"_s};
    QTest::newRow("a lost connection says so")
        << QStringList{u"new.htm=Connect"_s} << 3
        << QStringList{u"new.htm=unknown"_s, u"index.htm=old"_s};
}

void tst_PublishEngine::failures_areNeverRecordedAsSuccess() {
    QFETCH(QStringList, failures);
    QFETCH(int, status);
    QFETCH(QStringList, manifest);

    const QMap<QString, QByteArray> oldSite{{u"index.htm"_s, "home 1"},
                                            {u"old.htm"_s, "old page"},
                                            {u"gone.htm"_s, "gone page"},
                                            {u"media/p.jpg"_s, "picture 1"}};
    const QMap<QString, QByteArray> newSite{{u"index.htm"_s, "home 2"},
                                            {u"old.htm"_s, "old page"},
                                            {u"new.htm"_s, "new page"},
                                            {u"media/p.jpg"_s, "picture 2"}};
    QTemporaryDir oldFolder, newFolder;
    MemoryServer server;
    PublishSettings settings;
    settings.jobs = 2;
    settings.retryDelayMilliseconds = 1;
    const auto maker = [&] {
        return std::make_unique<MemoryDestination>(&server);
    };
    PublishEngine first(maker, settings);
    QCOMPARE(first.prepare(writeSite(oldFolder, oldSite)), PublishStatus::Done);
    QCOMPARE(first.publish(), PublishStatus::Done);

    for (const QString &failure : std::as_const(failures)) {
        for (const QString &kind : failure.section(u'=', 1).split(u','))
            server.failures[failure.section(u'=', 0, 0)].append(QMap<QString, Kind>{
                {u"Transient"_s, Kind::Transient},
                {u"Failed"_s, Kind::Failed},
                {u"NoSpace"_s, Kind::NoSpace},
                {u"NotFound"_s, Kind::NotFound},
                {u"Connect"_s, Kind::Connect}}.value(kind));
    }
    PublishEngine engine(maker, settings);
    PublishStatus result = engine.prepare(writeSite(newFolder, newSite));
    if (result == PublishStatus::Done)
        result = engine.publish();
    QCOMPARE(int(result), status);
    QCOMPARE(engine.errors().isEmpty(), status == 0);

    QString error;
    const std::optional<Manifest> left =
        readManifest(server.files.value(u".quillsite-manifest.json"_s), {}, &error);
    QVERIFY2(left, qPrintable(error));
    for (const QString &expected : std::as_const(manifest)) {
        const QString path = expected.section(u'=', 0, 0);
        const QString state = expected.section(u'=', 1);
        const auto entry = left->files.constFind(path);
        if (state == u"absent"_s) {
            QVERIFY2(entry == left->files.cend(), qPrintable(path));
            continue;
        }
        QVERIFY2(entry != left->files.cend(), qPrintable(path));
        const QString wanted = state == u"unknown"_s
                                   ? QString()
                                   : hashOf((state == u"new"_s ? newSite : oldSite).value(path));
        QCOMPARE(entry->sha256, wanted);
        // What the manifest claims to know is what the server holds.
        if (!wanted.isEmpty())
            QCOMPARE(hashOf(server.files.value(path)), wanted);
    }
}

void tst_PublishEngine::connections_asManyAsTheFilesAndTheDistanceJustify_data() {
    QTest::addColumn<int>("files");
    QTest::addColumn<qint64>("roundTrip"); // microseconds, -1: unknown
    QTest::addColumn<int>("connections");  // with --jobs 3
    QTest::newRow("a few files go over one") << 10 << qint64(-1) << 1;
    QTest::newRow("many over more") << 120 << qint64(-1) << 3;
    QTest::newRow("never more than --jobs") << 400 << qint64(40000) << 3;
    QTest::newRow("to a near server over one") << 400 << qint64(300) << 1;
}

void tst_PublishEngine::connections_asManyAsTheFilesAndTheDistanceJustify() {
    QFETCH(int, files);
    QFETCH(qint64, roundTrip);
    QFETCH(int, connections);
    QMap<QString, QByteArray> pages;
    for (int i = 0; i < files; ++i)
        pages.insert(u"page%1.htm"_s.arg(i), "page " + QByteArray::number(i));
    QTemporaryDir folder;
    MemoryServer server;
    server.roundTrip = roundTrip;
    std::atomic_int made = 0;
    PublishSettings settings;
    settings.jobs = 3;
    PublishEngine engine(
        [&] {
            ++made;
            return std::make_unique<MemoryDestination>(&server);
        },
        settings);
    QCOMPARE(engine.prepare(writeSite(folder, pages)), PublishStatus::Done);
    QCOMPARE(engine.publish(), PublishStatus::Done);
    QCOMPARE(made.load(), connections);
    QCOMPARE(engine.sent().size(), files);
    for (auto page = pages.cbegin(); page != pages.cend(); ++page)
        QCOMPARE(server.files.value(page.key()), page.value());
}

QTEST_GUILESS_MAIN(tst_PublishEngine)
#include "tst_publishengine.moc"
