// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/website.h"
#include "project/sitepages.h"

#include <QObject>
#include <QString>

namespace quillsite {

// The website being made, one place for everything it is made of: the template, the
// title, the author, the pages and the destination. The wizard keeps it up to date as the
// user works; the build, and whatever else needs the whole site, reads it here.
class SiteModel final : public QObject {
    Q_OBJECT

public:
    explicit SiteModel(QObject *parent = nullptr);

    SitePages &pages() { return *m_pages; }
    const SitePages &pages() const { return *m_pages; }

    QString templateFolder() const { return m_templateFolder; }
    QString title() const { return m_title; }
    QString author() const { return m_author; }
    QString destination() const { return m_destination; }
    void setTemplateFolder(const QString &folder);
    void setTitle(const QString &title);
    void setAuthor(const QString &author);
    void setDestination(const QString &destination);

    // The whole site as the build takes it.
    Website website() const;

signals:
    // The template, title, author or destination changed; the pages tell of their own changes.
    void changed();

private:
    void set(QString &field, const QString &value);

    SitePages *m_pages;
    QString m_templateFolder;
    QString m_title;
    QString m_author;
    QString m_destination;
};

} // namespace quillsite
