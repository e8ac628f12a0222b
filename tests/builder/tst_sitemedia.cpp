// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/sitemedia.h"

#include <QBuffer>
#include <QColorSpace>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

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
    void privateData_isRemoved_data();
    void privateData_isRemoved();
    void samePhotoAfterReopening_reusesItsCopy();
    void unreadablePicture_isLeftOutWithAWarning();
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
    writeBytes(m_dir->filePath(u"secret.txt"_s), "root:x:0:0:root:/root:/bin/sh\n");
    writeBytes(m_dir->filePath(u"outside/photo.png"_s), photo);
    writeBytes(m_source + u"/notes.txt"_s, "root:x:0:0:root:/root:/bin/sh\n");
    QVERIFY(QFile::link(m_dir->filePath(u"secret.txt"_s), m_source + u"/escape.png"_s));
    QVERIFY(QFile::link(m_dir->filePath(u"secret.txt"_s), m_source + u"/escape.pdf"_s));
    QVERIFY(QFile::link(m_dir->filePath(u"outside"_s), m_source + u"/linked"_s));
    m_pastedPicture = encoded(filled({8, 6}, Qt::yellow), "png");
}

QString TestSiteMedia::expand(QString text) const {
    const QByteArray hash = QCryptographicHash::hash(m_pastedPicture, QCryptographicHash::Sha1);
    return text
        .replace(u"{throughLink}"_s,
                 u"it is reached through a symbolic link that leads out of its folder; put "
                 "the file itself there"_s)
        .replace(u"{notPicture}"_s,
                 u"it is not a picture; show pictures only, such as JPEG, PNG or WebP files"_s)
        .replace(u"{dir}"_s, m_dir->path())
        .replace(u"{pages}"_s, m_source)
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
    QTest::newRow("linked local file written with a character reference")
        << pages
        << QStringList{uR"(<p><a href="index.htm">h</a><a href="News&#108;etter.pdf">n</a></p>)"_s}
        << QStringList{uR"(<p><a href="index.htm">h</a><a href="media/newsletter.pdf">n</a></p>)"_s}
        << QStringList{u"kept.png"_s, u"newsletter.pdf"_s} << QStringList();
    QTest::newRow("linked local file unquoted after blanks")
        << pages
        << QStringList{uR"(<a HREF = Newsletter.pdf>n</a><a href="https://x.org/">w</a>)"_s}
        << QStringList{uR"(<a HREF = "media/newsletter.pdf">n</a><a href="https://x.org/">w</a>)"_s}
        << QStringList{u"kept.png"_s, u"newsletter.pdf"_s} << QStringList();
    const QString paragraph =
        uR"(<P>Our <B>club</B> meets in the <I>old</I> hall; see <A HREF="index.htm">home</A>.</P>)"_s;
    QTest::newRow("picture tag in capitals after a long paragraph")
        << pages << QStringList{paragraph + uR"(<IMG SRC="photo.png">)"_s}
        << QStringList{paragraph + uR"(<IMG SRC="media/photo.png" width="40" height="30">)"_s}
        << photo << QStringList();
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
    QTest::newRow("one photo under two names is one copy")
        << pages << QStringList{uR"(<img src="photo.png"><img src="Holiday%20Photo.png">)"_s}
        << QStringList{copied + copied} << photo << QStringList();
    const QStringList escape{uR"(<img src="escape.png">)"_s};
    QTest::newRow("symbolic link out of its folder")
        << pages << escape << escape << none
        << QStringList{u"Home: {pages}/escape.png ({throughLink})"_s};
    const QStringList linkedFolder{uR"(<img src="linked/photo.png">)"_s};
    QTest::newRow("folder reached through a symbolic link out of its folder")
        << pages << linkedFolder << linkedFolder << none
        << QStringList{u"Home: {pages}/linked/photo.png ({throughLink})"_s};
    const QStringList escapeLink{uR"(<a href="escape.pdf">n</a>)"_s};
    QTest::newRow("linked file through a symbolic link out of its folder")
        << pages << escapeLink << escapeLink << none
        << QStringList{u"Home: {pages}/escape.pdf ({throughLink})"_s};
    const QStringList absoluteText{uR"(<img src="{pages}/notes.txt">)"_s};
    QTest::newRow("absolute path to a file that is no picture")
        << pages << absoluteText << absoluteText << none
        << QStringList{u"Home: {pages}/notes.txt ({notPicture})"_s};
    const QStringList fileText{uR"(<img src="file://{pages}/notes.txt">)"_s};
    QTest::newRow("file address of a file that is no picture")
        << pages << fileText << fileText << none
        << QStringList{u"Home: {pages}/notes.txt ({notPicture})"_s};
    const QStringList climbing{uR"(<img src="../../../../../../../..{dir}/secret.txt">)"_s};
    QTest::newRow("climbing out of the folder to a file that is no picture")
        << pages << climbing << climbing << none
        << QStringList{u"Home: {dir}/secret.txt ({notPicture})"_s};
    const QStringList notPasted{uR"(<img src="data:image/png;base64,cm9vdDp4OjA6MA==">)"_s};
    QTest::newRow("data address that is no picture stays in the page")
        << pages << notPasted << notPasted << none << QStringList();
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
    QTest::newRow("picture larger than Qt reads by default")
        << QSize(7000, 5000) << QByteArray("png") << QSize(1920, 1371) << false;
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

namespace {

// What exiftool finds in a file, as "group:tag" keys.
QJsonObject exifTags(const QString &path) {
    QProcess exiftool;
    exiftool.start(u"exiftool"_s, {u"-j"_s, u"-G1"_s, u"-a"_s, u"-n"_s, path});
    if (!exiftool.waitForFinished(60000) || exiftool.exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(exiftool.readAllStandardOutput()).array().first().toObject();
}

bool runExiftool(const QStringList &arguments) {
    QProcess exiftool;
    exiftool.start(u"exiftool"_s, QStringList{u"-q"_s, u"-overwrite_original"_s} + arguments);
    return exiftool.waitForFinished(60000) && exiftool.exitCode() == 0;
}

QStringList privateTags(const QJsonObject &tags) {
    static const QStringList privateNames{u"GPS"_s,       u"Make"_s,     u"Model"_s,   u"Serial"_s,
                                          u"Owner"_s,     u"Creator"_s,  u"By-line"_s, u"Comment"_s,
                                          u"Thumbnail"_s, u"MakerNote"_s};
    QStringList found;
    for (const QString &key : tags.keys()) {
        const QString name = key.sliced(key.indexOf(u':') + 1);
        for (const QString &privateName : privateNames)
            if (name.contains(privateName) && !key.startsWith(u"ExifTool:"_s) &&
                !key.startsWith(u"ICC"_s)) // the colour profile stays, with its own maker
                found.append(key);
    }
    return found;
}

} // namespace

void TestSiteMedia::privateData_isRemoved_data() {
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QStringList>("tags"); // what exiftool writes into the photo
    QTest::addColumn<bool>("samePixels");  // not encoded again
    QTest::addColumn<int>("orientation");  // kept in the copy; 0: none there

    const QStringList common{
        u"-GPSLatitude=48.85"_s, u"-GPSLatitudeRef=N"_s,        u"-Make=Cam"_s,
        u"-Model=M1"_s,          u"-SerialNumber=SN123"_s,      u"-OwnerName=Ann"_s,
        u"-XMP:Creator=Ann"_s,   u"-ThumbnailImage<={thumb}"_s, u"-ICC_Profile<={icc}"_s};
    const QStringList turned{u"-Orientation#=6"_s};
    const QStringList iptcAndComment{u"-IPTC:By-line=Ann"_s, u"-Comment=at home"_s};
    QTest::newRow("small JPEG loses it without being encoded again")
        << QByteArray("jpeg") << QSize(64, 48) << common + turned + iptcAndComment << true << 6;
    QTest::newRow("large JPEG, scaled")
        << QByteArray("jpeg") << QSize(2400, 1800) << common + iptcAndComment << false << 0;
    QTest::newRow("PNG") << QByteArray("png") << QSize(64, 48) << common + iptcAndComment << true
                         << 0;
    QTest::newRow("large PNG, scaled")
        << QByteArray("png") << QSize(2000, 100) << common + iptcAndComment << false << 0;
    QTest::newRow("WebP") << QByteArray("webp") << QSize(64, 48) << common + turned << true << 6;
}

void TestSiteMedia::privateData_isRemoved() {
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QFETCH(QStringList, tags);
    QFETCH(bool, samePixels);
    QFETCH(int, orientation);

    const QString thumb = m_dir->filePath(u"thumb.jpg"_s);
    writeBytes(thumb, encoded(filled({8, 6}, Qt::blue), "jpeg"));
    const QString icc = m_dir->filePath(u"srgb.icc"_s);
    writeBytes(icc, QColorSpace(QColorSpace::SRgb).iccProfile());
    QImage picture = filled(size, Qt::darkCyan);
    for (int y = 0; y < size.height(); ++y)
        picture.setPixelColor(y % size.width(), y, Qt::yellow);
    const QString name = u"photo."_s + QString::fromLatin1(format);
    const QString source = m_source + u'/' + name;
    writeBytes(source, encoded(picture, format.constData()));
    for (QString &tag : tags)
        tag.replace(u"{thumb}"_s, thumb).replace(u"{icc}"_s, icc);
    QVERIFY(runExiftool(tags + QStringList{source}));
    QVERIFY(!privateTags(exifTags(source)).isEmpty());

    build(pages({u"<img src=\"%1\">"_s.arg(name)}, u"{pages}"_s));
    const QString copy = m_site + u"/media/"_s + name;
    const QJsonObject found = exifTags(copy);
    QVERIFY(!found.isEmpty());
    QCOMPARE(privateTags(found).join(u", "_s), QString());
    QVERIFY2(found.contains(u"ICC_Profile:ProfileDescription"_s) ||
                 found.contains(u"ICC-header:ProfileVersion"_s),
             "the colour profile was lost");
    QCOMPARE(found.value(u"IFD0:Orientation"_s).toInt(), orientation);
    QImageReader original(source);
    original.setAutoTransform(false);
    QImageReader written(copy);
    written.setAutoTransform(false);
    QCOMPARE(written.read() == original.read(), samePixels);
}

void TestSiteMedia::samePhotoAfterReopening_reusesItsCopy() {
    writeBytes(m_source + u"/img-1046.jpg"_s, encoded(filled({40, 30}, Qt::gray), "jpeg"));
    writeBytes(m_source + u"/again/img-1046.jpg"_s, encoded(filled({40, 30}, Qt::gray), "jpeg"));
    build(pages({uR"(<img src="img-1046.jpg">)"_s}, u"{pages}"_s));

    QList<SitePage> reopened = pages({uR"(<img src="media/img-1046.jpg">)"_s}, u"{site}"_s);
    reopened.append(pages({uR"(<img src="again/img-1046.jpg">)"_s}, u"{pages}"_s));
    reopened.last().name = u"New"_s;
    MediaOutcome outcome;
    const MediaPlan plan = build(reopened, &outcome);
    QCOMPARE(plan.pages.last().body, uR"(<img src="media/img-1046.jpg" width="40" height="30">)"_s);
    QCOMPARE(outcome.filesWritten, 0);
    QCOMPARE(mediaNames(), (QStringList{u"img-1046.jpg"_s, u"kept.png"_s}));
}

void TestSiteMedia::unreadablePicture_isLeftOutWithAWarning() {
    // A header that promises a picture far larger than a desktop can hold.
    QByteArray png = encoded(filled({4, 4}, Qt::red), "png");
    png.replace(16, 8, QByteArray::fromHex("0000c3500000c350")); // 50000 x 50000
    quint32 crc = 0xffffffff;
    for (const char byte : png.sliced(12, 17)) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320 & (0u - (crc & 1)));
    }
    qToBigEndian(~crc, png.data() + 29);
    writeBytes(m_source + u"/huge.png"_s, png);
    QVERIFY(QImageReader(m_source + u"/huge.png"_s).canRead());

    MediaOutcome outcome;
    build(pages({uR"(<img src="huge.png">)"_s, uR"(<img src="photo.png">)"_s}, u"{pages}"_s),
          &outcome);
    QCOMPARE(outcome.error.reason, QString());
    QCOMPARE(outcome.unreadable.size(), 1);
    QCOMPARE(outcome.unreadable.first().pageName, u"Home"_s);
    QVERIFY(outcome.unreadable.first().files.first().startsWith(m_source + u"/huge.png ("_s));
    QCOMPARE(mediaNames(), (QStringList{u"kept.png"_s, u"photo.png"_s}));
}

void TestSiteMedia::linkInMediaFolder_isNeverWrittenThrough() {
    const QString outside = m_dir->filePath(u"outside.png"_s);
    writeBytes(outside, "precious");
    QVERIFY(QFile::link(outside, m_site + u"/media/photo.png"_s));

    const MediaPlan plan = build(pages({uR"(<img src="photo.png">)"_s}, u"{pages}"_s));
    QCOMPARE(plan.pages.first().body, uR"(<img src="media/photo-2.png" width="40" height="30">)"_s);
    QCOMPARE(readBytes(outside), QByteArray("precious"));

    // A site opened again shows the link's picture: it is not taken.
    const MediaPlan reopened = build(pages({uR"(<img src="media/photo.png">)"_s}, u"{site}"_s));
    QCOMPARE(reopened.pages.first().body, uR"(<img src="media/photo.png">)"_s);
    QCOMPARE(reopened.missing.size(), 1);
    QVERIFY(reopened.missing.first().files.first().startsWith(m_site + u"/media/photo.png ("_s));
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
