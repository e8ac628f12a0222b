// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "artwork.h"

namespace quillsite::artwork {

using namespace Qt::StringLiterals;

QStringList toolbarImages() {
    const QString folder = u":/artwork/toolbar/"_s;
    const QStringList names{
        u"add-page"_s,     u"delete-page"_s,    u"bold"_s,         u"italic"_s,
        u"underline"_s,    u"align-left"_s,     u"align-center"_s, u"align-right"_s,
        u"ordered-list"_s, u"unordered-list"_s, u"hyperlink"_s,    u"image"_s,
        u"font"_s};
    QStringList paths;
    paths.reserve(names.size());
    for (const QString &name : names)
        paths.append(folder + name + u".svg"_s);
    return paths;
}

QIcon programIcon() {
    // One SVG per icon would be drawn at every size from the same file, so the
    // sizes are rendered here and the small one comes from its own drawing.
    QIcon icon;
    icon.addPixmap(QIcon(GlobeSmall.toString()).pixmap(16, 16));
    const QIcon globe(Globe.toString());
    for (int size : {24, 32, 48, 64, 128, 256})
        icon.addPixmap(globe.pixmap(size, size));
    return icon;
}

} // namespace quillsite::artwork
