// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/draft.h"
#include "project/draftkeeper.h"
#include "project/draftstore.h"
#include "project/draftsummary.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

using namespace Qt::StringLiterals;

namespace quillsite {

class tst_Drafts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void json_roundTrips_data();
    void json_roundTrips();
    void unreadableDraft_keptAsideAndReported_data();
    void unreadableDraft_keptAsideAndReported();
    void listing_newestFirst_skipsDraftsInUse();
    void movedPicture_shownFromTheDraftsCopy();
    void killedWriter_leavesTheLastWholeDraft();
    void keeper_writesChangesSoon_butNotTheStartOrTheSame();
    void continueText_data();
    void continueText();

private:
    QString draftsFolder() const { return m_state->filePath(u"quillsite/drafts"_s); }
    QString writeDraftFile(const QString &id, const QByteArray &bytes) const;
    static Draft sampleDraft(const QString &title);

    std::unique_ptr<QTemporaryDir> m_state;
};

void tst_Drafts::initTestCase() {
    // Times and days as people in Britain write them.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void tst_Drafts::init() {
    m_state = std::make_unique<QTemporaryDir>();
    QVERIFY(m_state->isValid());
}

Draft tst_Drafts::sampleDraft(const QString &title) {
    return {u"/usr/share/quillsite/templates/meadow"_s,
            title,
            u"Ann"_s,
            {{0, u"Home"_s, u"<p>Welcome</p>"_s, u"/home/ann"_s},
             {1, u"Fees & Dues"_s, u"<p>€ 12 – \"quoted\" <b>bold</b></p>"_s, u"/home/ann"_s}},
            u"/home/ann/Desktop/Club"_s};
}

QString tst_Drafts::writeDraftFile(const QString &id, const QByteArray &bytes) const {
    const QString folder = draftsFolder() + u'/' + id;
    QDir().mkpath(folder);
    QFile file(folder + u"/draft.json"_s);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return file.fileName();
}

void tst_Drafts::json_roundTrips_data() {
    QTest::addColumn<Draft>("draft");
    QTest::newRow("new site") << sampleDraft(u"Chess Club"_s);
    Draft reopened = sampleDraft(u"<Club> & \"Friends\""_s);
    reopened.openedFolder = u"/home/ann/Club Site"_s;
    reopened.openedFiles = QStringList{u"index.htm"_s, u"fees & dues.htm"_s};
    reopened.pictures = {{u"/home/ann/Pictures/a.jpg"_s, u"0123abcd.jpg"_s}};
    QTest::newRow("reopened site with a picture") << reopened;
}

void tst_Drafts::json_roundTrips() {
    QFETCH(Draft, draft);
    draft.saved = QDateTime(QDate(2026, 12, 9), QTime(18, 4, 5, 120), Qt::UTC);
    const DraftReading read = draftFromJson(draftToJson(draft));
    QVERIFY2(read.draft, qPrintable(read.problem));
    QVERIFY(read.draft->sameWork(draft));
    QCOMPARE(read.draft->pictures, draft.pictures);
    QCOMPARE(read.draft->saved, draft.saved);
}

void tst_Drafts::unreadableDraft_keptAsideAndReported_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    Draft draft = sampleDraft(u"Club"_s);
    draft.saved = QDateTime::currentDateTimeUtc();
    const QByteArray whole = draftToJson(draft);
    QTest::newRow("cut off") << whole.left(whole.size() / 2) << u"cut off"_s;
    QTest::newRow("empty") << QByteArray() << u"cut off"_s;
    QTest::newRow("newer version")
        << QByteArray(whole).replace("\"format\":1", "\"format\":7") << u"newer version"_s;
    QTest::newRow("no pages") << QByteArray(whole).replace("\"pages\":", "\"sheets\":")
                              << u"cut off"_s;
}

void tst_Drafts::unreadableDraft_keptAsideAndReported() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QVERIFY(!writeDraftFile(u"broken"_s, bytes).isEmpty());
    QVERIFY(!writeDraftFile(u"good"_s, draftToJson([] {
                                Draft good = sampleDraft(u"Good"_s);
                                good.saved = QDateTime::currentDateTimeUtc();
                                return good;
                            }()))
                 .isEmpty());

    const DraftListing listing = DraftStore(m_state->path()).list();
    QCOMPARE(listing.drafts.size(), 1);
    QCOMPARE(listing.drafts[0].draft.title, u"Good"_s);
    QCOMPARE(listing.unreadable.size(), 1);
    QVERIFY2(listing.unreadable[0].contains(reason), qPrintable(listing.unreadable[0]));
    // Kept, byte for byte, where the report says, and no longer offered.
    const QString aside = m_state->filePath(u"quillsite/unreadable-drafts/broken/draft.json"_s);
    QVERIFY2(listing.unreadable[0].contains(QDir::toNativeSeparators(QFileInfo(aside).path())),
             qPrintable(listing.unreadable[0]));
    QFile kept(aside);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), bytes);
    QVERIFY(DraftStore(m_state->path()).list().unreadable.isEmpty());
}

void tst_Drafts::listing_newestFirst_skipsDraftsInUse() {
    DraftStore writer(m_state->path());
    for (const QString &title : {u"Older"_s, u"Newer"_s, u"Open elsewhere"_s}) {
        Draft draft = sampleDraft(title);
        QCOMPARE(writer.save(title, draft), QString());
        QTRY_VERIFY(QDateTime::currentDateTimeUtc() > draft.saved); // distinct times
    }
    // The writer lets go of all but the draft it wrote last, which it is still writing.
    DraftStore other(m_state->path());
    const DraftListing listing = other.list();
    QStringList titles;
    for (const StoredDraft &stored : listing.drafts)
        titles.append(stored.draft.title);
    QCOMPARE(titles, (QStringList{u"Newer"_s, u"Older"_s}));
    QVERIFY(!other.claim(u"Open elsewhere"_s));
}

void tst_Drafts::movedPicture_shownFromTheDraftsCopy() {
    const QString picture = m_state->filePath(u"photo.png"_s);
    QImage image(4, 6, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(picture));
    Draft draft = sampleDraft(u"Club"_s);
    draft.pages[1].body = u"<p>Us</p><img src=\"photo.png\" alt=\"us\">"_s;
    draft.pages[1].sourceFolder = m_state->path();
    {
        DraftStore store(m_state->path());
        QCOMPARE(store.save(u"club"_s, draft), QString());
    }
    QFile original(picture);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    original.close();
    QVERIFY(QFile::rename(picture, picture + u".moved"_s));

    const DraftListing listing = DraftStore(m_state->path()).list();
    QCOMPARE(listing.drafts.size(), 1);
    const QString body = listing.drafts[0].draft.pages[1].body;
    static const QRegularExpression source(u"src=\"([^\"]+)\""_s);
    const QString copy = QUrl(source.match(body).captured(1)).toLocalFile();
    QVERIFY2(copy.startsWith(draftsFolder() + u"/club/pictures/"_s), qPrintable(body));
    QFile kept(copy);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), bytes);
    QVERIFY(body.endsWith(u"\" alt=\"us\">"_s));
}

void tst_Drafts::killedWriter_leavesTheLastWholeDraft() {
    const QString picture = m_state->filePath(u"photo.png"_s);
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QVERIFY(image.save(picture));
    const QString writer = QStringLiteral(QUILLSITE_BIN_DIR) + u"/draft_writer"_s;
    static const QRegularExpression round(u"Round (\\d+) of page"_s);
    for (int kill = 0; kill < 5; ++kill) {
        QProcess process;
        process.start(writer, {m_state->path(), picture});
        QVERIFY2(process.waitForStarted(10000), qPrintable(process.errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(process.canReadLine() || process.state() != QProcess::Running,
                                 30000);
        QVERIFY2(process.state() == QProcess::Running, process.readAllStandardError().constData());
        QCOMPARE(process.readLine(), "written\n");
        // Somewhere in a save: each one takes a few milliseconds.
        QTest::qWait(QRandomGenerator::global()->bounded(5, 250));
        process.kill();
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);

        const DraftListing listing = DraftStore(m_state->path()).list();
        QVERIFY2(listing.unreadable.isEmpty(), qPrintable(listing.unreadable.join(u'\n')));
        QCOMPARE(listing.drafts.size(), 1);
        const Draft &draft = listing.drafts[0].draft;
        QCOMPARE(draft.pages.size(), 100);
        // Every page of the same round as the title: one whole draft, never a mix.
        const QString title = draft.title;
        for (const DraftPage &page : draft.pages)
            QCOMPARE(u"Round "_s + round.match(page.body).captured(1), title);
        QCOMPARE(draft.pictures.size(), 1);
        QVERIFY(
            QFileInfo::exists(draftsFolder() + u"/killed/pictures/"_s + draft.pictures[0].copy));
    }
}

void tst_Drafts::keeper_writesChangesSoon_butNotTheStartOrTheSame() {
    DraftStore store(m_state->path());
    Draft work = sampleDraft(u"Club"_s);
    int gathered = 0;
    DraftKeeper keeper(store, [&] {
        ++gathered;
        return std::optional<Draft>(work);
    });
    keeper.setStartingPoint(work);
    const QString file = draftsFolder() + u'/' + keeper.draftId() + u"/draft.json"_s;

    keeper.changed();
    QTRY_COMPARE(gathered, 1);
    QVERIFY(!QFileInfo::exists(file)); // still the work it began with

    work.pages[0].body = u"<p>Welcome, members</p>"_s;
    QElapsedTimer steady;
    steady.start();
    // Changes coming faster than the delay do not hold the draft back.
    while (!QFileInfo::exists(file) && steady.elapsed() < 10000) {
        keeper.changed();
        QTest::qWait(100);
    }
    QVERIFY(QFileInfo::exists(file));
    QVERIFY(steady.elapsed() < DraftKeeper::SaveDelayMs + 2000);
    const QDateTime written = QFileInfo(file).lastModified();

    keeper.changed();
    QTRY_COMPARE(gathered, 3);
    QCOMPARE(QFileInfo(file).lastModified(), written); // nothing new to write

    keeper.discard();
    QVERIFY(!QFileInfo::exists(QFileInfo(file).path()));
}

void tst_Drafts::continueText_data() {
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("openedFolder");
    QTest::addColumn<QDateTime>("saved");
    QTest::addColumn<QString>("text");
    QTest::newRow("yesterday")
        << 12 << QString() << QDateTime(QDate(2026, 12, 9), QTime(18, 4, 59))
        << u"Con&tinue the website you were writing (12 pages, yesterday 18:04)"_s;
    QTest::newRow("one page today")
        << 1 << QString() << QDateTime(QDate(2026, 12, 10), QTime(0, 5))
        << u"Con&tinue the website you were writing (1 page, today 00:05)"_s;
    QTest::newRow("reopened site, & shown as itself")
        << 3 << u"/home/ann/Fish & Chips"_s << QDateTime(QDate(2026, 11, 2), QTime(18, 4))
        << u"Con&tinue the website you were writing (Fish && Chips, 3 pages, 02/11/2026 18:04)"_s;
}

void tst_Drafts::continueText() {
    QFETCH(int, pages);
    QFETCH(QString, openedFolder);
    QFETCH(QDateTime, saved);
    Draft draft = sampleDraft(u"Club"_s);
    draft.pages.resize(pages);
    draft.openedFolder = openedFolder;
    draft.saved = saved;
    QTEST(continueDraftText(draft, QDateTime(QDate(2026, 12, 10), QTime(9, 30))), "text");
}

} // namespace quillsite

QTEST_GUILESS_MAIN(quillsite::tst_Drafts)
#include "tst_drafts.moc"
