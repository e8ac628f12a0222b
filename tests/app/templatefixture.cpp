// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "templatefixture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("can't write fixture file %s", qPrintable(path));
}

void writePicture(const QString &path, const QImage &image, bool broken) {
    if (broken)
        writeFile(path, "this is not a JPEG picture");
    else if (!image.save(path, "JPEG", 100))
        qFatal("can't write fixture picture %s", qPrintable(path));
}

} // namespace

QImage fixturePreview(const QSize &size, const QColor &color, const QColor &corner) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QPainter painter(&image);
    painter.fillRect(0, 0, 8, 8, corner);
    return image;
}

QString writeFixtureTemplate(const QString &templatesFolder, const FixtureTemplate &fixture) {
    const QString folder = templatesFolder + u'/' + fixture.folderName;
    QDir().mkpath(folder + u"/files/images"_s);
    if (fixture.dataIni) {
        QByteArray ini = "[Data]\r\nName=" + fixture.name.toUtf8() + "\r\n";
        if (fixture.detailKeys)
            ini += "Author=" + fixture.name.toUtf8() + " Author\r\nURL=" + fixture.url.toUtf8() +
                   "\r\nDescription=The " + fixture.name.toUtf8() + " look.\r\n";
        writeFile(folder + u"/data.ini"_s, ini);
    }
    writeFile(folder + u"/main.txt"_s,
              "<html><head><title><!--PageName--> - <!--Title--></title>"
              "<link rel=\"stylesheet\" href=\"files/style.css\"></head>\r\n<body>"
              "<ul><!--MenuItems--></ul>\r\n<div id=\"content\"><!--PageContent--></div>\r\n"
              "<p class=\"author\"><!--Author--></p></body></html>\r\n");
    writeFile(folder + u"/menuitem.txt"_s,
              "<li><a href=\"<!--ItemPath-->\"><!--ItemName--></a></li>");
    writeFile(folder + u"/files/style.css"_s, "body { color: black; }\n");
    writeFile(folder + u"/files/images/dot.txt"_s, ".\n");
    if (fixture.thumbColor.isValid())
        writePicture(folder + u"/screen_thumb.jpg"_s,
                     fixturePreview({80, 80}, fixture.thumbColor, fixture.thumbColor),
                     fixture.brokenPictures);
    if (fixture.previewColor.isValid())
        writePicture(folder + u"/screen_full.jpg"_s,
                     fixturePreview(fixture.previewSize, fixture.previewColor, Qt::red),
                     fixture.brokenPictures);
    return folder;
}

} // namespace quillsite
