// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace quillsite {

// The page named exactly "Home" is the site's start page, "index.htm".
QString homePageName();
QString homePageFile();
bool isHomePage(const QString &pageName);

// "index.htm" for the page named exactly "Home", else the lower-cased name and ".htm".
QString pageFileName(const QString &pageName);

// The name of the page written as `file` when nothing else tells it: "Home"
// for "index.htm", else the file name without its ending.
QString pageNameOfFile(const QString &file);

// The link to a page as the menu writes it: its file name with the blank and
// the characters that break an address or change its meaning
// (% # ? " ' < > \ ^ ` { | } : &) percent-encoded, so that the link reaches
// the file, whatever the name, and the page stays valid HTML.
QString pageLink(const QString &pageName);

// Why a page name can't be used as a file in the destination folder (a
// separator, a control character, "." or ".."), or an empty text when it can.
QString pageNameProblem(const QString &pageName);

// The texts a site has beside its page names.
enum class SiteText { Title, Author };

// Why `text` can't be the site's title or author (a control character, which
// no page can show), or an empty text when it can.
QString siteTextProblem(SiteText kind, const QString &text);

} // namespace quillsite
