// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/pagereader.h"

#include "builder/pagebody.h"
#include "builder/sitereader.h"
#include "builder/textfile.h"
#include "library/legacytext.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace quillsite {

namespace {

QString decodePage(const QByteArray &bytes) {
    if (bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff")) {
        // The decoder takes the byte order from the mark and drops it.
        QStringDecoder utf16(QStringDecoder::Utf16);
        return utf16(bytes);
    }
    return decodeTemplateText(bytes).text;
}

QString leftOutWarning(LeftOutContent leftOut, const QString &path) {
    switch (leftOut) {
    case LeftOutContent::None:
        break;
    case LeftOutContent::AfterEnd:
        return QCoreApplication::translate("CommandLine",
                                           "The page file \"%1\" has text after </body> or "
                                           "</html>; it is left out of the page.")
            .arg(path);
    case LeftOutContent::Frameset:
        return QCoreApplication::translate("CommandLine",
                                           "The page file \"%1\" is a frameset document, which "
                                           "has no body, so its page is empty.")
            .arg(path);
    }
    return {};
}

} // namespace

InputPage readInputPage(const QString &path, const TemplateForms &templateForms) {
    const TextFileBytes file = readTextFile(path);
    if (file.error.failed())
        return {{}, {}, {}, file.error};
    // Its header, menu and footer belong to the site it came from. The page
    // gives only its name and content: its folder is the caller's business.
    if (std::optional<SitePage> built = builtPageOf(file.bytes, {}, templateForms))
        return {std::move(built->body), std::move(built->name), {}, {}};
    PageBody body = bodyMarkup(decodePage(file.bytes));
    InputPage page{std::move(body.markup), {}, {}, {}};
    if (const QString warning = leftOutWarning(body.leftOut, path); !warning.isEmpty())
        page.warnings.append(warning);
    return page;
}

} // namespace quillsite
