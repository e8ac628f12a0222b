// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/website.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace quillsite {

// One page of a draft. `id` keeps a page's identity from one save to the next.
struct DraftPage {
    int id = 0;
    QString name;
    QString body;
    QString sourceFolder; // where relative addresses in `body` lead from; empty: none

    bool operator==(const DraftPage &) const = default;
};

// A local picture a page shows, and its copy kept with the draft, so that the
// draft survives the picture being moved or deleted.
struct DraftPicture {
    QString original; // a clean absolute path
    QString copy;     // the file name of the copy in the draft's pictures folder

    bool operator==(const DraftPicture &) const = default;
};

// The whole state of an unfinished website: everything the wizard needs to
// carry on where the user left off.
struct Draft {
    QString templateFolder;
    QString title;
    QString author;
    QList<DraftPage> pages;
    QString destination;
    // The folder of the built site it was opened from, and that site's page
    // files then; empty for a site begun from scratch.
    QString openedFolder = {};
    QStringList openedFiles = {};
    QList<DraftPicture> pictures = {};
    QDateTime saved = {};

    // Whether both hold the same work, whenever saved and wherever the pictures are kept.
    bool sameWork(const Draft &other) const;
};

// The draft of `site`, each page identified by its place in the list.
Draft draftOf(const Website &site);
// The site the draft describes.
Website websiteOf(const Draft &draft);

// The draft as the bytes of its file.
QByteArray draftToJson(const Draft &draft);

// The draft in `json`, or why it can't be read: cut off, damaged, or written
// by a newer version of the program.
struct DraftReading {
    std::optional<Draft> draft;
    QString problem;
};
DraftReading draftFromJson(const QByteArray &json);

} // namespace quillsite
