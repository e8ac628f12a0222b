// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "project/draft.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

namespace quillsite {

class DraftStore;

// Keeps the work of this run as a draft. A change is written within
// SaveDelayMs, however fast the changes come, so that a program killed at
// any moment loses only the last moments of typing. Work that is still what
// the run began with, or what was written last, is not written again.
class DraftKeeper final : public QObject {
    Q_OBJECT

public:
    static constexpr int SaveDelayMs = 2000;

    // The work as it is now, or nothing when it can't be had at the moment
    // (the next change tries again).
    using Gather = std::function<std::optional<Draft>()>;

    // `store` must outlive the keeper.
    DraftKeeper(DraftStore &store, Gather gather, QObject *parent = nullptr);

    // Work that equals `start` is not worth a draft.
    void setStartingPoint(const Draft &start);
    // Something changed: the work is written soon.
    void changed();
    // Writes a change not yet written, at once.
    void saveNow();
    // Carries on with the stored draft `id` holding `draft`: it is this run's draft now.
    // False when another program has taken it meanwhile.
    bool continueDraft(const QString &id, const Draft &draft);
    // Removes this run's draft: the work is safe elsewhere, or the user wants it gone.
    void discard();

    QString draftId() const { return m_id; }

signals:
    // The work could not be written; said once a run.
    void saveFailed(const QString &reason);

private:
    void save();

    DraftStore &m_store;
    Gather m_gather;
    QTimer m_timer;
    QString m_id;
    Draft m_start;
    std::optional<Draft> m_written;
    bool m_failureSaid = false;
};

} // namespace quillsite
