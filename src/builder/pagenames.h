#pragma once

#include <QString>

namespace quillsite {

// "index.htm" for the page named exactly "Home", else the lower-cased name and ".htm".
QString pageFileName(const QString &pageName);

// The link to a page as the menu writes it: its file name with the blank and
// the characters that break an address or change its meaning
// (% # ? " ' < > \ ^ ` { | } : &) percent-encoded, so that the link reaches
// the file, whatever the name, and the page stays valid HTML.
QString pageLink(const QString &pageName);

// Why a page name can't be used as a file in the destination folder (a
// separator, a control character, "." or ".."), or an empty text when it can.
QString pageNameProblem(const QString &pageName);

} // namespace quillsite
