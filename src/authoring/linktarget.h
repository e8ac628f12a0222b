// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace quillsite {

// What a link leads to, as the Hyperlink dialog asks for it.
enum class LinkKind { Page, Web, Email, File };

struct LinkTarget {
    LinkKind kind = LinkKind::Web;
    QString text; // the page name, the address as typed, or the file's path
};

// The address a link to the target is written with, or why there is none.
struct LinkAddress {
    QString address;
    QString problem; // for the user: what is wrong and how to put it right
};

// A page's address as the builder writes it; a bare web address gets https://; an e-mail
// address gets mailto:; a file becomes a file: URL (the build copies it into the site).
LinkAddress linkAddressOf(const LinkTarget &target);

// What an existing link's address leads to, for the dialog to show it again.
LinkTarget linkTargetOf(const QString &address, const QStringList &pageNames);

} // namespace quillsite
