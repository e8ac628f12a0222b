#include "builder/sitemedia.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace quillsite {

class TestSiteMedia : public QObject {
    Q_OBJECT

private slots:
    void init();
    void copyRules_data();
    void copyRules();
    void pictureSizes_data();
    void pictureSizes();
    void sidewaysPhoto_comesOutUprightWithoutMetadata();
    void rebuild_writesNothingAgain();
    void linkInMediaFolder_isNeverWrittenThrough();
    void mediaFolderLink_isRefused();

private:
    QString expand(QString text) const;
    QList<SitePage> pages(const QStringList &bodies, const QString &sourceFolder) const;
    QStringList mediaNames() const;
    MediaPlan build(const QList<SitePage> &pages, MediaOutcome *outcome = nullptr) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_source;
    QString m_site;
    QByteArray m_pastedPicture;
};

namespace {

void writeBytes(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray encoded(const QImage &image, const char *format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage filled(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QByteArray readBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A JPEG stored sideways, as a phone stores a portrait photo: the left half
// red and the right half blue, with an Exif orientation tag saying "turn
// clockwise" and a camera make beside it.
QByteArray sidewaysJpeg(QSize stored) {
    QImage image = filled(stored, Qt::blue);
    for (int y = 0; y < stored.height(); ++y)
        for (int x = 0; x < stored.width() / 2; ++x)
            image.setPixelColor(x, y, Qt::red);
    const QByteArray jpeg = encoded(image, "jpeg");
    // TIFF header (big endian), one directory of two entries: Make and Orientation 6.
    QByteArray tiff = QByteArray::fromHex("4d4d002a00000008"
                                          "0002"
                                          "010f000200000006"
                                          "00000026"
                                          "0112000300000001"
                                          "00060000"
                                          "00000000");
    tiff += QByteArray("Phone\0", 6);
    const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment = QByteArray::fromHex("ffe1");
    segment.append(char((exif.size() + 2) >> 8)).append(char((exif.size() + 2) & 0xff));
    return jpeg.first(2) + segment + exif + jpeg.sliced(2);
}

} // namespace

void TestSiteMedia::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_source = m_dir->filePath(u"pages"_s);
    m_site = m_dir->filePath(u"site"_s);
    const QByteArray photo = encoded(filled({40, 30}, Qt::red), "png");
    writeBytes(m_source + u"/photo.png"_s, photo);
    writeBytes(m_source + u"/Holiday Photo.png"_s, photo);
    writeBytes(m_source + u"/Café Été.png"_s, photo);
    writeBytes(m_source + u"/other/photo.png"_s, encoded(filled({20, 10}, Qt::green), "png"));
    writeBytes(m_source + u"/Newsletter.pdf"_s, "%PDF-1.4 newsletter");
    writeBytes(m_site + u"/media/kept.png"_s, photo);
    QVERIFY(QDir().mkpath(m_source + u"/folder.png"_s));
    QVERIFY(QFile::link(m_source + u"/photo.png"_s, m_source + u"/link.png"_s));
    m_pastedPicture = encoded(filled({8, 6}, Qt::yellow), "png");
}

QString TestSiteMedia::expand(QString text) const {
    const QByteArray hash = QCryptographicHash::hash(m_pastedPicture, QCryptographicHash::Sha1);
    return text.replace(u"{pages}"_s, m_source)
        .replace(u"{site}"_s, m_site)
        .replace(u"{pasted}"_s, QString::fromLatin1(m_pastedPicture.toBase64()))
        .replace(u"{pastedName}"_s, u"picture-"_s + QString::fromLatin1(hash.toHex().left(8)));
}

QList<SitePage> TestSiteMedia::pages(const QStringList &bodies, const QString &sourceFolder) const {
    QList<SitePage> list;
    for (const QString &body : bodies)
        list.append({list.isEmpty() ? u"Home"_s : u"Page %1"_s.arg(list.size() + 1), expand(body),
                     expand(sourceFolder)});
    return list;
}

QStringList TestSiteMedia::mediaNames() const {
    return QDir(m_site + u"/media"_s).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

MediaPlan TestSiteMedia::build(const QList<SitePage> &pages, MediaOutcome *outcome) const {
    const QString mediaFolder = m_site + u"/media"_s;
    MediaPlan plan = planSiteMedia(pages, m_site, mediaFolder);
    const MediaOutcome written = writeSiteMedia(plan, mediaFolder, {});
    if (outcome)
        *outcome = written;
    return plan;
}

void TestSiteMedia::copyRules_data() {
    QTest::addColumn<QString>("sourceFolder");
    QTest::addColumn<QStringList>("bodies");
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<QStringList>("media");   // the media folder afterwards; kept.png was there
    QTest::addColumn<QStringList>("missing"); // "page: file"

    const QString pages = u"{pages}"_s;
    const QString copied = uR"(<img src="media/photo.png" width="40" height="30">)"_s;
    const QStringList photo{u"kept.png"_s, u"photo.png"_s};
    const QStringList none{u"kept.png"_s};
    QTest::newRow("file address") << pages
                                  << QStringList{uR"(<img src="file://{pages}/photo.png">)"_s}
                                  << QStringList{copied} << photo << QStringList();
    QTest::newRow("absolute path") << pages << QStringList{uR"(<img src="{pages}/photo.png">)"_s}
                                   << QStringList{copied} << photo << QStringList();
    QTest::newRow("relative address") << pages << QStringList{uR"(<img src="photo.png">)"_s}
                                      << QStringList{copied} << photo << QStringList();
    QTest::newRow("other attributes kept in their places")
        << pages << QStringList{uR"(<p><img alt='A & B' src='photo.png' class=x></p>)"_s}
        << QStringList{uR"(<p><img alt='A & B' src="media/photo.png" width="40" height="30" class=x></p>)"_s}
        << photo << QStringList();
    QTest::newRow("name with blanks")
        << pages << QStringList{uR"(<img src="Holiday%20Photo.png">)"_s}
        << QStringList{uR"(<img src="media/holiday-photo.png" width="40" height="30">)"_s}
        << QStringList{u"holiday-photo.png"_s, u"kept.png"_s} << QStringList();
    QTest::newRow("name with non-ASCII letters")
        << pages << QStringList{u"<img src=\"Caf\u00e9 \u00c9t\u00e9.png\">"_s}
        << QStringList{uR"(<img src="media/cafe-ete.png" width="40" height="30">)"_s}
        << QStringList{u"cafe-ete.png"_s, u"kept.png"_s} << QStringList();
    const QStringList web{uR"(<img src="https://example.org/a.png"><a href="http://x.org/">w</a>)"
                          uR"(<a href="mailto:ann@example.org">m</a><a href="#top">t</a>)"_s};
    QTest::newRow("web and e-mail addresses stay") << pages << web << web << none << QStringList();
    const QStringList pageLinks{uR"(<a href="index.htm">Home</a><a href="page%202.htm">2</a>)"_s,
                                u"<p>2</p>"_s};
    QTest::newRow("links between the site's pages stay")
        << pages << pageLinks << pageLinks << none << QStringList();
    QTest::newRow("linked local file")
        << pages << QStringList{uR"(<a href="Newsletter.pdf#page=2">News</a>)"_s}
        << QStringList{uR"(<a href="media/newsletter.pdf#page=2">News</a>)"_s}
        << QStringList{u"kept.png"_s, u"newsletter.pdf"_s} << QStringList();
    QTest::newRow("two pictures with one name")
        << pages << QStringList{uR"(<img src="photo.png"><img src="other/photo.png">)"_s}
        << QStringList{copied + uR"(<img src="media/photo-2.png" width="20" height="10">)"_s}
        << QStringList{u"kept.png"_s, u"photo-2.png"_s, u"photo.png"_s} << QStringList();
    QTest::newRow("one picture on three pages")
        << pages
        << QStringList{uR"(<img src="photo.png">)"_s, uR"(<img src="file://{pages}/photo.png">)"_s,
                       uR"(<img src="./photo.png">)"_s}
        << QStringList{copied, copied, copied} << photo << QStringList();
    QTest::newRow("data picture")
        << pages << QStringList{uR"(<img src="data:image/png;base64,{pasted}">)"_s}
        << QStringList{uR"(<img src="media/{pastedName}.png" width="8" height="6">)"_s}
        << QStringList{u"kept.png"_s, u"{pastedName}.png"_s} << QStringList();
    const QStringList gone{uR"(<p>x</p><img src="gone.png"><img src="gone.png">)"_s};
    QTest::newRow("missing picture")
        << pages << gone << gone << none << QStringList{u"Home: {pages}/gone.png"_s};
    const QStringList folder{uR"(<img src="folder.png">)"_s};
    QTest::newRow("address of a folder")
        << pages << folder << folder << none << QStringList{u"Home: {pages}/folder.png"_s};
    QTest::newRow("symbolic link copied as a file")
        << pages << QStringList{uR"(<img src="link.png">)"_s}
        << QStringList{uR"(<img src="media/link.png" width="40" height="30">)"_s}
        << QStringList{u"kept.png"_s, u"link.png"_s} << QStringList();
    const QStringList inSite{uR"(<img alt="k" src="media/kept.png" width="40" height="30">)"_s};
    QTest::newRow("picture in the site's media folder stays byte for byte")
        << u"{site}"_s << inSite << inSite << none << QStringList();
    QTest::newRow("picture in the site gains its size")
        << u"{site}"_s << QStringList{uR"(<img src="media/kept.png">)"_s}
        << QStringList{uR"(<img src="media/kept.png" width="40" height="30">)"_s} << none
        << QStringList();
    QTest::newRow("file address into the site becomes relative")
        << pages << QStringList{uR"(<img src="file://{site}/media/kept.png" width="4">)"_s}
        << QStringList{uR"(<img src="media/kept.png" width="4">)"_s} << none << QStringList();
    QTest::newRow("no new copy takes the name of a picture in the site")
        << u"{site}"_s
        << QStringList{uR"(<img src="media/kept.png" width="1"><img src="{pages}/Holiday Photo.png">)"_s}
        << QStringList{uR"(<img src="media/kept.png" width="1"><img src="media/holiday-photo.png" width="40" height="30">)"_s}
        << QStringList{u"holiday-photo.png"_s, u"kept.png"_s} << QStringList();
    const QStringList noFolder{uR"(<img src="photo.png">)"_s};
    QTest::newRow("relative address without a source folder stays")
        << QString() << noFolder << noFolder << none << QStringList();
    const QStringList notMarkup{
        uR"(<!-- <img src="photo.png"> --><p title='<img src="photo.png">'>x</p>)"_s};
    QTest::newRow("comments and attribute text are no pictures")
        << pages << notMarkup << notMarkup << none << QStringList();
    QTest::newRow("size given by the author stays")
        << pages << QStringList{uR"(<img src="photo.png" height="15">)"_s}
        << QStringList{uR"(<img src="media/photo.png" height="15">)"_s} << photo << QStringList();
}

void TestSiteMedia::copyRules() {
    QFETCH(QString, sourceFolder);
    QFETCH(QStringList, bodies);
    QFETCH(QStringList, written);
    QFETCH(QStringList, media);
    QFETCH(QStringList, missing);

    MediaOutcome outcome;
    const MediaPlan plan = build(pages(bodies, sourceFolder), &outcome);
    QCOMPARE(outcome.error.reason, QString());
    QStringList bodiesWritten;
    for (const SitePage &page : plan.pages)
        bodiesWritten.append(page.body);
    for (QString &body : written)
        body = expand(body);
    QCOMPARE(bodiesWritten, written);
    for (QString &name : media)
        name = expand(name);
    QCOMPARE(mediaNames(), media);
    QStringList missingFound;
    for (const MissingFiles &page : plan.missing)
        for (const QString &file : page.files)
            missingFound.append(page.pageName + u": "_s + file);
    for (QString &entry : missing)
        entry = expand(entry);
    QCOMPARE(missingFound, missing);
    for (const QString &name : mediaNames())
        QVERIFY2(!QFileInfo(m_site + u"/media/"_s + name).isSymLink(), qPrintable(name));
}

void TestSiteMedia::pictureSizes_data() {
    QTest::addColumn<QSize>("original");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("written");
    QTest::addColumn<bool>("sameBytes");

    QTest::newRow("small photo copied byte for byte")
        << QSize(800, 600) << QByteArray("jpeg") << QSize(800, 600) << true;
    QTest::newRow("wide photo scaled to the web size")
        << QSize(4032, 3024) << QByteArray("jpeg") << QSize(1920, 1440) << false;
    QTest::newRow("tall screenshot scaled to the web size")
        << QSize(1000, 2500) << QByteArray("png") << QSize(768, 1920) << false;
    QTest::newRow("exactly the web size kept")
        << QSize(1920, 1080) << QByteArray("png") << QSize(1920, 1080) << true;
}

void TestSiteMedia::pictureSizes() {
    QFETCH(QSize, original);
    QFETCH(QByteArray, format);
    QFETCH(QSize, written);
    QFETCH(bool, sameBytes);

    const QString name = u"picture."_s + QString::fromLatin1(format);
    const QByteArray bytes = encoded(filled(original, Qt::darkCyan), format.constData());
    writeBytes(m_source + u'/' + name, bytes);
    const MediaPlan plan = build(pages({u"<img src=\"%1\">"_s.arg(name)}, u"{pages}"_s));
    QCOMPARE(plan.pages.first().body,
             u"<img src=\"media/%1\" width=\"%2\" height=\"%3\">"_s.arg(name)
                 .arg(written.width())
                 .arg(written.height()));
    const QString copy = m_site + u"/media/"_s + name;
    QCOMPARE(QImageReader(copy).size(), written);
    QCOMPARE(QImageReader(copy).format(), format);
    QCOMPARE(readBytes(copy) == bytes, sameBytes);
}

void TestSiteMedia::sidewaysPhoto_comesOutUprightWithoutMetadata() {
    writeBytes(m_source + u"/portrait.jpg"_s, sidewaysJpeg({2400, 1800}));
    QCOMPARE(QImageReader(m_source + u"/portrait.jpg"_s).transformation(),
             QImageIOHandler::TransformationRotate90);

    const MediaPlan plan = build(pages({uR"(<img src="portrait.jpg">)"_s}, u"{pages}"_s));
    QCOMPARE(plan.pages.first().body,
             uR"(<img src="media/portrait.jpg" width="1440" height="1920">)"_s);
    const QByteArray copy = readBytes(m_site + u"/media/portrait.jpg"_s);
    QVERIFY(!copy.contains("Exif"));
    QVERIFY(!copy.contains("Phone"));
    QImageReader reader(m_site + u"/media/portrait.jpg"_s);
    reader.setAutoTransform(false);
    const QImage upright = reader.read();
    QCOMPARE(upright.size(), QSize(1440, 1920));
    // Turned clockwise, the left (red) half of the stored picture is on top.
    QVERIFY(upright.pixelColor(720, 100).red() > 200 && upright.pixelColor(720, 100).blue() < 60);
    QVERIFY(upright.pixelColor(720, 1800).blue() > 200 && upright.pixelColor(720, 1800).red() < 60);
}

void TestSiteMedia::rebuild_writesNothingAgain() {
    writeBytes(m_source + u"/large.jpg"_s, encoded(filled({3000, 2000}, Qt::gray), "jpeg"));
    const QList<SitePage> site =
        pages({uR"(<img src="large.jpg"><img src="photo.png"><a href="Newsletter.pdf">n</a>)"_s},
              u"{pages}"_s);
    MediaOutcome first;
    const MediaPlan firstPlan = build(site, &first);
    QCOMPARE(first.filesWritten, 3);
    const QString copy = m_site + u"/media/large.jpg"_s;
    const QDateTime written = QFileInfo(copy).lastModified();

    MediaOutcome again;
    const MediaPlan secondPlan = build(site, &again);
    QCOMPARE(again.filesWritten, 0);
    QCOMPARE(secondPlan.pages.first().body, firstPlan.pages.first().body);
    QCOMPARE(QFileInfo(copy).lastModified(), written);
    QCOMPARE(mediaNames(),
             (QStringList{u"kept.png"_s, u"large.jpg"_s, u"newsletter.pdf"_s, u"photo.png"_s}));

    writeBytes(m_source + u"/photo.png"_s, encoded(filled({40, 30}, Qt::blue), "png"));
    MediaOutcome changed;
    build(site, &changed);
    QCOMPARE(changed.filesWritten, 1);
    QCOMPARE(QImage(m_site + u"/media/photo.png"_s).pixelColor(0, 0), QColor(Qt::blue));
}

void TestSiteMedia::linkInMediaFolder_isNeverWrittenThrough() {
    const QString outside = m_dir->filePath(u"outside.png"_s);
    writeBytes(outside, "precious");
    QVERIFY(QFile::link(outside, m_site + u"/media/photo.png"_s));

    const MediaPlan plan = build(pages({uR"(<img src="photo.png">)"_s}, u"{pages}"_s));
    QCOMPARE(plan.pages.first().body, uR"(<img src="media/photo-2.png" width="40" height="30">)"_s);
    QCOMPARE(readBytes(outside), QByteArray("precious"));
}

void TestSiteMedia::mediaFolderLink_isRefused() {
    const QString outside = m_dir->filePath(u"elsewhere"_s);
    QVERIFY(QDir().mkpath(outside));
    QVERIFY(QDir(m_site + u"/media"_s).removeRecursively());
    QVERIFY(QFile::link(outside, m_site + u"/media"_s));

    const MediaPlan plan = planSiteMedia(pages({uR"(<img src="photo.png">)"_s}, u"{pages}"_s),
                                         m_site, m_site + u"/media"_s);
    QCOMPARE(plan.error.path, m_site + u"/media"_s);
    QVERIFY(plan.error.failed());
    QVERIFY(QDir(outside).isEmpty());
}

} // namespace quillsite

QTEST_GUILESS_MAIN(quillsite::TestSiteMedia)
#include "tst_sitemedia.moc"
