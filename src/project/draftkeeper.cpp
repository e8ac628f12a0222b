// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/draftkeeper.h"

#include "project/draftstore.h"

namespace quillsite {

DraftKeeper::DraftKeeper(DraftStore &store, Gather gather, QObject *parent)
    : QObject(parent)
    , m_store(store)
    , m_gather(std::move(gather))
    , m_id(newDraftId()) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(SaveDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &DraftKeeper::save);
}

void DraftKeeper::setStartingPoint(const Draft &start) {
    m_start = start;
}

void DraftKeeper::changed() {
    // Not restarted by further changes: steady typing is written every few seconds.
    if (!m_timer.isActive())
        m_timer.start();
}

void DraftKeeper::saveNow() {
    if (m_timer.isActive()) {
        m_timer.stop();
        save();
    }
}

bool DraftKeeper::continueDraft(const QString &id, const Draft &draft) {
    if (!m_store.claim(id))
        return false;
    m_timer.stop();
    m_id = id;
    m_written = draft;
    return true;
}

void DraftKeeper::discard() {
    m_timer.stop();
    m_store.remove(m_id);
    m_written.reset();
}

void DraftKeeper::save() {
    const std::optional<Draft> work = m_gather();
    if (!work || work->sameWork(m_written ? *m_written : m_start))
        return;
    Draft draft = *work;
    // A picture gone since the last draft keeps the copy it has there.
    if (m_written)
        draft.pictures = m_written->pictures;
    if (const QString problem = m_store.save(m_id, draft); !problem.isEmpty()) {
        if (!std::exchange(m_failureSaid, true))
            emit saveFailed(problem);
        return;
    }
    m_written = std::move(draft);
}

} // namespace quillsite
