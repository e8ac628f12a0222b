// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "project/draft.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QLockFile;

namespace quillsite {

// A draft kept in the store, under its name.
struct StoredDraft {
    QString id;
    Draft draft; // its pages show kept copies of the pictures that have gone since
};

// What the store holds for the user to take up again.
struct DraftListing {
    QList<StoredDraft> drafts; // newest first
    QStringList unreadable;    // one sentence for each draft that could not be read
};

// The folder of drafts: one subfolder per draft with its file and copies of
// its pictures. A draft being written by a running program is locked and
// left to it. A draft that can't be read is moved aside, never deleted.
class DraftStore final {
public:
    // The drafts of the user whose state folder is `stateFolder`.
    explicit DraftStore(const QString &stateFolder);
    ~DraftStore();
    DraftStore(const DraftStore &) = delete;
    DraftStore &operator=(const DraftStore &) = delete;

    // The drafts nobody is working on, newest first. Those that can't be
    // read are moved aside and reported.
    DraftListing list();

    // Takes the draft `id` for this program, so that no other one lists or
    // writes it. False when another program has it.
    bool claim(const QString &id);

    // Writes `draft` as the draft `id`, claiming it, with copies of its
    // pictures, so that the draft on disk is always the last one written
    // whole, or the one before; fills in the draft's pictures and the time it
    // was saved. Returns why it could not, or an empty text.
    QString save(const QString &id, Draft &draft);

    // Deletes the draft `id` with its pictures; false when it can't.
    bool remove(const QString &id);

    QString folderOf(const QString &id) const;

private:
    void moveAside(const QString &id, const QString &problem, DraftListing &listing);

    QString m_folder;      // one subfolder per draft
    QString m_asideFolder; // the drafts that could not be read
    QString m_claimed;
    std::unique_ptr<QLockFile> m_lock;
};

// A name for a new draft that no other has.
QString newDraftId();

} // namespace quillsite
