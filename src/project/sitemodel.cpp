// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/sitemodel.h"

namespace quillsite {

SiteModel::SiteModel(QObject *parent)
    : QObject(parent)
    , m_pages(new SitePages(this)) {}

void SiteModel::setTemplateFolder(const QString &folder) {
    set(m_templateFolder, folder);
}

void SiteModel::setTitle(const QString &title) {
    set(m_title, title);
}

void SiteModel::setAuthor(const QString &author) {
    set(m_author, author);
}

void SiteModel::setDestination(const QString &destination) {
    set(m_destination, destination);
}

Website SiteModel::website() const {
    return {m_templateFolder, m_title, m_author, m_pages->sitePages(), m_destination};
}

void SiteModel::set(QString &field, const QString &value) {
    if (field == value)
        return;
    field = value;
    emit changed();
}

} // namespace quillsite
