// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/pageaddresses.h"

#include <QByteArray>
#include <QSet>
#include <QString>

namespace quillsite {

// What a page's address needs from the build.
struct MediaAddress {
    enum class Kind {
        Keep,    // a web or e-mail address, a link to a page of the site, or nothing local
        InSite,  // a file already inside the destination folder
        File,    // a local file, copied into the site
        Data,    // a picture held in the page itself, written out as a file
        Missing, // a local file that does not exist, is a folder, or can't be read
        Refused, // a local file that may not enter the site; `reason` says why
    };

    Kind kind = Kind::Keep;
    QString path;          // InSite, File, Missing, Refused: the file, as a clean absolute path
    QString reason;        // Refused: why, for the user
    QByteArray data;       // Data: the picture's bytes
    QString mimeType;      // Data: its type, such as "image/png"
    QString fragment;      // what followed "#" in the address, kept on the new address
    bool relative = false; // written relative to the page's source folder
};

// Where the page's relative addresses lead, and what is already in the site.
struct AddressContext {
    QString sourceFolder;    // the folder relative addresses are resolved against; empty: none
    QString destination;     // the site's folder, a clean absolute path
    QSet<QString> pageFiles; // the site's page files in lower case ("index.htm")
};

MediaAddress resolveMediaAddress(const PageAddress &address, const AddressContext &context);

} // namespace quillsite
