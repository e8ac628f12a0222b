// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringView>

namespace quillsite {

// An address in a page body that may point at a file: the src of a picture
// or the href of a link. Offsets are bytes in the body's UTF-8 text.
struct PageAddress {
    enum class Kind { Picture, Link };

    Kind kind = Kind::Picture;
    QString value;            // the address with character references resolved
    qsizetype valueStart = 0; // where the attribute's value starts, quotes included
    qsizetype valueEnd = 0;   // just after it
    bool hasSize = false;     // whether the element gives a width or a height
};

// Whether `body` has a start tag that can give an address: `<a`, or `<im` for <img>
// and <image>, which parsers read as <img>, in any letter case. A body without one
// need not be parsed, which keeps builds of text-only pages fast.
bool mayHoldAddresses(QStringView body);

// Whether a scan of `body`, far cheaper than parsing it, proves that it shows
// no picture and that every link in it leads to the web (any scheme but file:),
// within the page, or to one of `pageFiles` by its exact name. Such a body holds
// nothing for the build to copy, rewrite or warn about.
bool holdsOnlyPlainLinks(QStringView body, const QSet<QString> &pageFiles);

// Every picture source and link target in `utf8Body`, in source order, found
// by an HTML parser so that comments, scripts and attribute text never count.
// The parse is the costly part: ask mayHoldAddresses first.
QList<PageAddress> findPageAddresses(const QByteArray &utf8Body);

// One change to a body: the bytes from `start` to `end` become `text`.
struct BodyEdit {
    qsizetype start = 0;
    qsizetype end = 0;
    QByteArray text;
};

// `utf8Body` with the edits made; they must be in order and must not overlap.
QByteArray applyBodyEdits(const QByteArray &utf8Body, const QList<BodyEdit> &edits);

} // namespace quillsite
