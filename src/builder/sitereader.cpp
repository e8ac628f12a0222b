#include "builder/sitereader.h"

#include "builder/mainmarkup.h"
#include "builder/pagenames.h"
#include "builder/templatefile.h"
#include "builder/textfile.h"
#include "builder/textpattern.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringDecoder>
#include <QUrl>

#include <optional>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

// A template's page skeleton and menu item fragment, ready to be run backwards.
struct TemplateForm {
    QString folder;
    TextEncoding encoding;
    TextPattern page;
    TextPattern menuItem;
};

struct MenuEntry {
    QString name;
    QString link;
};

// One page file read as the template filled in.
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

// The text of a page file as the builder wrote it in `encoding`; nothing when
// the bytes can't be in that encoding.
std::optional<QString> decodePage(const QByteArray &bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Windows1252)
        return fromWindows1252(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
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
};

PageText readPageText(const QString &path, TextEncoding encoding) {
    const TextFileBytes file = readTextFile(path);
    if (file.error.failed())
        return {{}, file.error.reason};
    return {decodePage(file.bytes, encoding).value_or(fromWindows1252(file.bytes)), {}};
}

// The page files of the folder, "index.htm" first.
QStringList pageFilesIn(const QString &folder) {
    QStringList files = QDir(folder).entryList({u"*.htm"_s}, QDir::Files, QDir::Name);
    if (files.removeOne(u"index.htm"_s))
        files.prepend(u"index.htm"_s);
    return files;
}

struct Recognised {
    std::optional<TemplateForm> form;
    PageReading start;
};

// The installed template that reads the start page; of several, the one
// with the most text of its own, as it explains the most of the page.
Recognised recognise(const QByteArray &startPage, const QStringList &templateFolders) {
    Recognised best;
    for (const QString &folder : templateFolders) {
        std::optional<TemplateForm> form = loadForm(folder);
        if (!form || (best.form && best.form->page.literalSize() >= form->page.literalSize()))
            continue;
        const std::optional<QString> text = decodePage(startPage, form->encoding);
        if (!text)
            continue;
        if (std::optional<PageReading> reading = readPage(*form, *text)) {
            best.start = std::move(*reading);
            best.form = std::move(form);
        }
    }
    return best;
}

QString siteFileName(const QString &link) {
    return QUrl::fromPercentEncoding(link.toUtf8());
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
    void addPage(const QString &name, const QString &content, const QString &file);
    void report(const QString &problem) { m_result.problems.append(problem); }

    QString m_folder;
    ReadSite &m_result;
};

void SiteReading::addPage(const QString &name, const QString &content, const QString &file) {
    m_result.site.pages.append({name, content, m_folder});
    m_result.pageFiles.append(file);
}

void SiteReading::readPages(const TemplateForm &form, const PageReading &start) {
    m_result.site.templateFolder = form.folder;
    m_result.site.title = start.title;
    m_result.site.author = start.author;
    for (const MenuEntry &entry : start.menu)
        readListedPage(form, entry);
}

void SiteReading::readListedPage(const TemplateForm &form, const MenuEntry &entry) {
    const QString file = siteFileName(entry.link);
    if (!pageNameProblem(entry.name).isEmpty() || !pageNameProblem(file).isEmpty() ||
        m_result.pageFiles.contains(file)) {
        report(QCoreApplication::translate(
                   "SiteReader", "The menu entry \"%1\" can't be opened as a page, so it was left "
                                 "out.")
                   .arg(entry.name));
        return;
    }
    const QString path = m_folder + u'/' + file;
    if (!QFileInfo::exists(path)) {
        report(QCoreApplication::translate("SiteReader",
                                           "The page \"%1\" is in the menu, but its file \"%2\" "
                                           "is missing from the folder, so it was left out.")
                   .arg(entry.name, file));
        return;
    }
    const PageText page = readPageText(path, form.encoding);
    if (!page.error.isEmpty()) {
        report(QCoreApplication::translate("SiteReader",
                                           "The page \"%1\" could not be read (%2), so it was left "
                                           "out.")
                   .arg(entry.name, page.error));
        return;
    }
    FieldValues known;
    known[int(Field::Title)] = m_result.site.title;
    known[int(Field::Author)] = m_result.site.author;
    known[int(Field::PageName)] = entry.name;
    if (const std::optional<PageReading> reading = readPage(form, page.text, known)) {
        addPage(entry.name, reading->content, file);
        return;
    }
    report(QCoreApplication::translate("SiteReader",
                                       "The page \"%1\" (file \"%2\") was changed outside its "
                                       "content, so only its content was kept.")
               .arg(entry.name, file));
    addPage(entry.name, contentOfEditedPage(form, page.text), file);
}

void SiteReading::readWithoutTemplate(const QStringList &files) {
    report(QCoreApplication::translate("SiteReader",
                                       "No installed template matches this website, so its pages "
                                       "were opened without their menu and design. Choose a "
                                       "template for the site."));
    for (const QString &file : files) {
        const PageText page = readPageText(m_folder + u'/' + file, TextEncoding::Utf8);
        if (!page.error.isEmpty()) {
            report(QCoreApplication::translate("SiteReader",
                                               "The file \"%1\" could not be read (%2), so it was "
                                               "left out.")
                       .arg(file, page.error));
            continue;
        }
        const QString name =
            file == u"index.htm"_s ? u"Home"_s : QFileInfo(file).completeBaseName();
        // Without the menu, nothing is known of which files were pages.
        m_result.site.pages.append({name, mainMarkup(page.text), m_folder});
    }
}

void SiteReading::reportUnlisted(const TemplateForm &form, const QStringList &files) {
    FieldValues known;
    known[int(Field::Title)] = m_result.site.title;
    known[int(Field::Author)] = m_result.site.author;
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
    const TextFileBytes start = readTextFile(folder + u'/' + files.constFirst());
    if (start.error.failed()) {
        result.error = start.error.message(
            QCoreApplication::translate("SiteReader", "Could not read the page file"));
        return result;
    }
    const Recognised recognised = recognise(start.bytes, templateFolders);
    SiteReading reading(folder, result);
    if (!recognised.form) {
        reading.readWithoutTemplate(files);
        return result;
    }
    reading.readPages(*recognised.form, recognised.start);
    reading.reportUnlisted(*recognised.form, files);
    return result;
}

std::optional<SiteMenuFiles> readSiteMenuFiles(const QString &folder,
                                               const QStringList &templateFolders) {
    const QStringList files = pageFilesIn(folder);
    if (files.isEmpty())
        return std::nullopt;
    const TextFileBytes start = readTextFile(folder + u'/' + files.constFirst());
    if (start.error.failed())
        return std::nullopt;
    const Recognised recognised = recognise(start.bytes, templateFolders);
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
    const Recognised recognised = recognise(file.bytes, templateFolders);
    if (!recognised.form)
        return std::nullopt;
    return SitePage{recognised.start.name, recognised.start.content,
                    QFileInfo(path).absolutePath()};
}

} // namespace quillsite
