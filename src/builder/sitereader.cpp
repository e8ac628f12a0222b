// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/sitereader.h"

#include "builder/mainmarkup.h"
#include "builder/markuptext.h"
#include "builder/pagenames.h"
#include "builder/templatefile.h"
#include "builder/textfile.h"
#include "builder/textpattern.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace quillsite {

// A template's page skeleton and menu item fragment, ready to be run backwards.
struct TemplateForm {
    QString folder;
    TextEncoding encoding;
    TextPattern page;
    TextPattern menuItem;
};

namespace {

// A menu entry as the page holds it: markup, as the template filled it in.
struct MenuEntry {
    QString name;
    QString link;
};

// One page file read as the template filled in. Title, author and name are
// kept as the page holds them, to be found again in the other pages; their
// text is what textOfMarkup gives.
struct PageReading {
    QString title;
    QString author;
    QString name;
    QString content;
    QList<MenuEntry> menu;
};

std::optional<TemplateForm> loadForm(const QString &folder) {
    const TemplateText skeleton = readTemplateFile(folder, u"main.txt"_s);
    const TemplateText fragment = readTemplateFile(folder, u"menuitem.txt"_s);
    if (skeleton.error.failed() || fragment.error.failed())
        return std::nullopt;
    return TemplateForm{
        folder, skeleton.encoding,
        TextPattern(skeleton.text, {Field::Title, Field::Author, Field::MenuItems, Field::PageName,
                                    Field::PageContent}),
        TextPattern(fragment.text, {Field::ItemName, Field::ItemPath, Field::PageName})};
}

// Whether the page says first that it is written in a code page that
// Windows-1252 reads rightly: Latin-1 and plain ASCII are parts of it.
bool declaresWindows1252(const QByteArray &bytes) {
    static const QRegularExpression charset(
        uR"re(<meta\s[^>]*charset\s*=\s*["']?\s*([\w.:-]+))re"_s,
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression windows1252(
        u"windows-1252|cp1252|iso-8859-1|latin-?1|us-ascii"_s,
        QRegularExpression::CaseInsensitiveOption);
    // A declaration counts only near the start, as in a browser.
    const QRegularExpressionMatch declared =
        charset.match(QString::fromLatin1(bytes.first(std::min<qsizetype>(bytes.size(), 4096))));
    return declared.hasMatch() &&
           windows1252.match(declared.captured(1)).capturedLength() == declared.capturedLength(1);
}

struct DecodedPage {
    QString text;
    // Not valid UTF-8, and of no encoding it names: its stray bytes are kept
    // as they are (see fromUtf8KeepingBytes).
    bool keptBytes = false;
};

// The text of a page file as the builder wrote it in `encoding`, or in the
// encoding the page itself names.
DecodedPage decodePage(const QByteArray &bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Windows1252 || declaresWindows1252(bytes))
        return {fromWindows1252(bytes)};
    if (isValidUtf8(bytes))
        return {QString::fromUtf8(bytes)};
    return {fromUtf8KeepingBytes(bytes), true};
}

// Reads `menu` from `at` on as one filled fragment after another, to its end.
bool readMenu(const TextPattern &menuItem, QStringView menu, qsizetype at, QStringView pageName,
              QList<MenuEntry> &entries) {
    if (at == menu.size())
        return true;
    FieldValues values;
    values[int(Field::PageName)] = pageName;
    return menuItem.match(menu, at, values, [&](qsizetype end, FieldValues &item) {
        if (end == at)
            return false;
        entries.append({item[int(Field::ItemName)].value_or(QStringView()).toString(),
                        item[int(Field::ItemPath)].value_or(QStringView()).toString()});
        if (readMenu(menuItem, menu, end, pageName, entries))
            return true;
        entries.removeLast();
        return false;
    });
}

QString valueOf(const FieldValues &values, Field field) {
    return values[int(field)].value_or(QStringView()).toString();
}

// `text` read as `form`'s skeleton filled in, with the fields in `known`
// taken as given; nothing when it can't be.
std::optional<PageReading> readPage(const TemplateForm &form, QStringView text,
                                    FieldValues known = {}) {
    PageReading reading;
    const bool matched = form.page.match(text, 0, known, [&](qsizetype end, FieldValues &values) {
        reading.menu.clear();
        return end == text.size() &&
               readMenu(form.menuItem, values[int(Field::MenuItems)].value_or(QStringView()), 0,
                        values[int(Field::PageName)].value_or(QStringView()), reading.menu);
    });
    if (!matched)
        return std::nullopt;
    reading.title = valueOf(known, Field::Title);
    reading.author = valueOf(known, Field::Author);
    reading.name = valueOf(known, Field::PageName);
    reading.content = valueOf(known, Field::PageContent);
    return reading;
}

// Where the content of a page changed outside it ends: the last place of the
// template's text after it, or of the longest part of that text that ends
// at a line end, past `from`; -1 when there is none.
qsizetype editedContentEnd(const QString &text, qsizetype from, QStringView after) {
    for (qsizetype length = after.size(); length > 0;) {
        const qsizetype at = text.lastIndexOf(after.first(length));
        if (at >= from)
            return at;
        length = length > 1 ? after.first(length - 1).lastIndexOf(u'\n') + 1 : 0;
    }
    return -1;
}

// The content of a page of `form` that was changed outside it: what stands
// between the template's own text around the content, else the page's main
// element or body.
QString contentOfEditedPage(const TemplateForm &form, const QString &text) {
    const QStringView before = form.page.textBefore(Field::PageContent);
    const qsizetype at = before.isEmpty() ? -1 : text.indexOf(before);
    const qsizetype start = at + before.size();
    const qsizetype end =
        at < 0 ? -1 : editedContentEnd(text, start, form.page.textAfter(Field::PageContent));
    if (end < 0)
        return mainMarkup(text);
    return text.sliced(start, end - start);
}

struct PageText {
    QString text;
    QString error;
    bool keptBytes = false;
};

// A page file of the site: only an ordinary file in the folder itself.
PageText readPageText(const QString &path, TextEncoding encoding) {
    const TextFileBytes file = readTextFile(path, LinkPolicy::Refuse);
    if (file.error.failed())
        return {{}, file.error.reason};
    DecodedPage page = decodePage(file.bytes, encoding);
    return {std::move(page.text), {}, page.keptBytes};
}

// The page files of the folder, "index.htm" first.
QStringList pageFilesIn(const QString &folder) {
    QStringList files = QDir(folder).entryList({u"*.htm"_s}, QDir::Files, QDir::Name);
    if (files.removeOne(homePageFile()))
        files.prepend(homePageFile());
    return files;
}

struct Recognised {
    std::optional<TemplateForm> form;
    PageReading start;
};

// Whether `bytes`, once decoded, may start with `text`. Plain ASCII reads the
// same in every encoding a template is written in, and other bytes never
// decode to it, so most pages that no template built are told from their
// first bytes, without decoding them.
bool mayStartWith(QByteArrayView bytes, QStringView text) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    const qsizetype length = std::min(bytes.size(), text.size());
    for (qsizetype i = 0; i < length && text[i].unicode() < 0x80; ++i) {
        if (uchar(bytes[i]) != text[i].unicode())
            return false;
    }
    return true;
}

// The installed template that reads the start page; of several, the one
// with the most text of its own, as it explains the most of the page.
Recognised recognise(const QByteArray &startPage, const QList<TemplateForm> &forms) {
    Recognised best;
    // Decoded once for each encoding the forms are written in, however many there are.
    std::optional<QString> asUtf8, asWindows1252;
    for (const TemplateForm &form : forms) {
        if (best.form && best.form->page.literalSize() >= form.page.literalSize())
            continue;
        if (!mayStartWith(startPage, form.page.leadingText()))
            continue;
        std::optional<QString> &text = form.encoding == TextEncoding::Utf8 ? asUtf8 : asWindows1252;
        if (!text)
            text = decodePage(startPage, form.encoding).text;
        if (std::optional<PageReading> reading = readPage(form, *text)) {
            best.start = std::move(*reading);
            best.form = form;
        }
    }
    return best;
}

QString siteFileName(const QString &link) {
    return QUrl::fromPercentEncoding(textOfMarkup(link).toUtf8());
}

// The page a menu entry stands for: its name as text and its file.
struct ListedPage {
    QString name;
    QString file;
};

// The links of `text`, a page no template explains, to the page files of the
// site, in their order, with the text each link shows: the menu as far as it
// can be told from the links alone.
QList<ListedPage> linkedPages(const QString &text, const QStringList &files) {
    static const QRegularExpression link(
        uR"re(<a\s[^>]*?href\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+))[^>]*>(.*?)</a\s*>)re"_s,
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(u"<[^>]*>"_s);
    QList<ListedPage> pages;
    for (const QRegularExpressionMatch &match : link.globalMatch(text)) {
        const QString file =
            siteFileName(match.captured(1) + match.captured(2) + match.captured(3));
        const bool taken = std::any_of(pages.cbegin(), pages.cend(),
                                       [&](const ListedPage &page) { return page.file == file; });
        if (!files.contains(file) || taken)
            continue;
        QString name = textOfMarkup(match.captured(4).remove(tag)).simplified();
        if (!pageNameProblem(name).isEmpty())
            name = pageNameOfFile(file);
        pages.append({name, file});
    }
    return pages;
}

class SiteReading final {
public:
    SiteReading(const QString &folder, ReadSite &result)
        : m_folder(folder)
        , m_result(result) {}

    void readPages(const TemplateForm &form, const PageReading &start);
    void readWithoutTemplate(const QStringList &files);
    void reportUnlisted(const TemplateForm &form, const QStringList &files);

private:
    void readListedPage(const TemplateForm &form, const MenuEntry &entry);
    std::optional<PageText> readListedFile(const ListedPage &page, TextEncoding encoding);
    void addPage(const ListedPage &page, const QString &content);
    void report(const QString &problem) { m_result.problems.append(problem); }
    FieldValues siteValues() const;

    QString m_folder;
    ReadSite &m_result;
    // The title and author as the pages hold them.
    QString m_titleMarkup;
    QString m_authorMarkup;
};

void SiteReading::addPage(const ListedPage &page, const QString &content) {
    m_result.site.pages.append({page.name, content, m_folder});
    m_result.pageFiles.append(page.file);
}

FieldValues SiteReading::siteValues() const {
    FieldValues known;
    known[int(Field::Title)] = m_titleMarkup;
    known[int(Field::Author)] = m_authorMarkup;
    return known;
}

void SiteReading::readPages(const TemplateForm &form, const PageReading &start) {
    m_result.site.templateFolder = form.folder;
    m_titleMarkup = start.title;
    m_authorMarkup = start.author;
    m_result.site.title = textOfMarkup(start.title);
    m_result.site.author = textOfMarkup(start.author);
    for (const MenuEntry &entry : start.menu)
        readListedPage(form, entry);
}

// The text of a page the menu lists, or nothing when it can't be read (and
// the reason is told).
std::optional<PageText> SiteReading::readListedFile(const ListedPage &listed,
                                                    TextEncoding encoding) {
    const QString path = m_folder + u'/' + listed.file;
    if (!QFileInfo(path).isSymLink() && !QFileInfo::exists(path)) {
        report(QCoreApplication::translate("SiteReader",
                                           "The page \"%1\" is in the menu, but its file \"%2\" "
                                           "is missing from the folder, so it was left out.")
                   .arg(listed.name, listed.file));
        return std::nullopt;
    }
    PageText page = readPageText(path, encoding);
    if (!page.error.isEmpty()) {
        report(QCoreApplication::translate("SiteReader",
                                           "The page \"%1\" (file \"%2\") could not be read (%3), "
                                           "so it was left out.")
                   .arg(listed.name, listed.file, page.error));
        return std::nullopt;
    }
    if (page.keptBytes)
        report(QCoreApplication::translate(
                   "SiteReader",
                   "The page \"%1\" (file \"%2\") is not valid UTF-8 and names no other "
                   "encoding. Its bytes are kept as they are, but some of its characters may "
                   "show wrongly; save the file as UTF-8 to be sure.")
                   .arg(listed.name, listed.file));
    return page;
}

void SiteReading::readListedPage(const TemplateForm &form, const MenuEntry &entry) {
    const ListedPage listed{textOfMarkup(entry.name), siteFileName(entry.link)};
    if (!pageNameProblem(listed.name).isEmpty() || !pageNameProblem(listed.file).isEmpty() ||
        m_result.pageFiles.contains(listed.file)) {
        report(QCoreApplication::translate(
                   "SiteReader", "The menu entry \"%1\" can't be opened as a page, so it was left "
                                 "out.")
                   .arg(listed.name));
        return;
    }
    const std::optional<PageText> page = readListedFile(listed, form.encoding);
    if (!page)
        return;
    FieldValues known = siteValues();
    known[int(Field::PageName)] = entry.name;
    if (const std::optional<PageReading> reading = readPage(form, page->text, known)) {
        addPage(listed, reading->content);
        return;
    }
    report(QCoreApplication::translate("SiteReader",
                                       "The page \"%1\" (file \"%2\") was changed outside its "
                                       "content, so only its content was kept.")
               .arg(listed.name, listed.file));
    addPage(listed, contentOfEditedPage(form, page->text));
}

void SiteReading::readWithoutTemplate(const QStringList &files) {
    report(QCoreApplication::translate("SiteReader",
                                       "No installed template matches this website, so its pages "
                                       "were opened without their menu and design. Choose a "
                                       "template for the site."));
    const std::optional<PageText> start = readListedFile(
        {pageNameOfFile(files.constFirst()), files.constFirst()}, TextEncoding::Utf8);
    QList<ListedPage> pages = start ? linkedPages(start->text, files) : QList<ListedPage>();
    const bool menuFound = !pages.isEmpty();
    // The start page is a page whether or not its menu links it.
    if (start && !std::any_of(pages.cbegin(), pages.cend(), [&](const ListedPage &page) {
            return page.file == files.constFirst();
        }))
        pages.prepend({pageNameOfFile(files.constFirst()), files.constFirst()});
    // Without links to go by, every page file is taken as a page.
    for (const QString &file : files) {
        if (!menuFound && file != files.constFirst())
            pages.append({pageNameOfFile(file), file});
    }
    for (const ListedPage &listed : std::as_const(pages)) {
        const std::optional<PageText> page =
            listed.file == files.constFirst() ? start : readListedFile(listed, TextEncoding::Utf8);
        if (page)
            addPage(listed, mainMarkup(page->text));
    }
    for (const QString &file : files) {
        const bool listed = std::any_of(pages.cbegin(), pages.cend(),
                                        [&](const ListedPage &page) { return page.file == file; });
        if (!listed)
            report(QCoreApplication::translate("SiteReader",
                                               "The page file \"%1\" is not in the site's menu, so "
                                               "it was not opened.")
                       .arg(file));
    }
}

void SiteReading::reportUnlisted(const TemplateForm &form, const QStringList &files) {
    const FieldValues known = siteValues();
    for (const QString &file : files) {
        if (m_result.pageFiles.contains(file))
            continue;
        const PageText page = readPageText(m_folder + u'/' + file, form.encoding);
        if (page.error.isEmpty() && readPage(form, page.text, known)) {
            report(QCoreApplication::translate("SiteReader",
                                               "The page file \"%1\" is not in the site's menu, so "
                                               "it was not opened.")
                       .arg(file));
        }
    }
}

} // namespace

ReadSite readBuiltSite(const QString &folder, const QStringList &templateFolders) {
    ReadSite result;
    result.site.destination = folder;
    if (!QFileInfo(folder).isDir()) {
        result.error =
            QCoreApplication::translate("SiteReader", "The folder \"%1\" does not exist.")
                .arg(folder);
        return result;
    }
    const QStringList files = pageFilesIn(folder);
    if (files.isEmpty()) {
        result.error = QCoreApplication::translate("SiteReader",
                                                   "The folder \"%1\" holds no website made with "
                                                   "Quillsite: it has no .htm page files.")
                           .arg(folder);
        return result;
    }
    const TextFileBytes start =
        readTextFile(folder + u'/' + files.constFirst(), LinkPolicy::Refuse);
    if (start.error.failed()) {
        result.error = start.error.message(
            QCoreApplication::translate("SiteReader", "Could not read the page file"));
        return result;
    }
    const Recognised recognised = recognise(start.bytes, TemplateForms(templateFolders).m_forms);
    SiteReading reading(folder, result);
    if (!recognised.form) {
        reading.readWithoutTemplate(files);
        return result;
    }
    reading.readPages(*recognised.form, recognised.start);
    reading.reportUnlisted(*recognised.form, files);
    return result;
}

TemplateForms::TemplateForms(const QStringList &templateFolders) {
    for (const QString &folder : templateFolders) {
        if (std::optional<TemplateForm> form = loadForm(folder))
            m_forms.append(std::move(*form));
    }
}

TemplateForms::TemplateForms() = default;
TemplateForms::TemplateForms(const TemplateForms &) = default;
TemplateForms::~TemplateForms() = default;

std::optional<SitePage> builtPageOf(const QByteArray &bytes, const QString &folder,
                                    const TemplateForms &forms) {
    const Recognised recognised = recognise(bytes, forms.m_forms);
    if (!recognised.form)
        return std::nullopt;
    return SitePage{textOfMarkup(recognised.start.name), recognised.start.content, folder};
}

std::optional<SiteMenuFiles> readSiteMenuFiles(const QString &folder,
                                               const QStringList &templateFolders) {
    const QStringList files = pageFilesIn(folder);
    if (files.isEmpty())
        return std::nullopt;
    const TextFileBytes start =
        readTextFile(folder + u'/' + files.constFirst(), LinkPolicy::Refuse);
    if (start.error.failed())
        return std::nullopt;
    const Recognised recognised = recognise(start.bytes, TemplateForms(templateFolders).m_forms);
    if (!recognised.form)
        return std::nullopt;
    SiteMenuFiles menu{recognised.form->folder, {}};
    for (const MenuEntry &entry : recognised.start.menu) {
        const QString file = siteFileName(entry.link);
        if (pageNameProblem(file).isEmpty() && !menu.pageFiles.contains(file) &&
            QFileInfo::exists(folder + u'/' + file))
            menu.pageFiles.append(file);
    }
    return menu;
}

std::optional<SitePage> readBuiltPage(const QString &path, const QStringList &templateFolders) {
    const TextFileBytes file = readTextFile(path);
    if (file.error.failed())
        return std::nullopt;
    return builtPageOf(file.bytes, QFileInfo(path).absolutePath(), TemplateForms(templateFolders));
}

} // namespace quillsite
