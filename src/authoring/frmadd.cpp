// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/frmadd.h"
#include "ui_frmadd.h"

#include "authoring/filetitle.h"
#include "authoring/htmleditor.h"
#include "authoring/pageset.h"
#include "builder/pagereader.h"
#include "library/fileexists.h"
#include "library/templatecatalog.h"
#include "platform/desktopservices.h"
#include "project/pagenamecheck.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

constexpr int pageColumnWidth = 253;
constexpr int nameRowTop = 88;
constexpr int nameRowTopBelowFile = 128;
constexpr int labelOffset = 2;

// Focus moved by the dialog selects the whole text, so typing replaces it.
void focusField(QLineEdit *field) {
    field->setFocus();
    field->selectAll();
}

QString unopenableFile(const QString &path, const QString &error) {
    return QCoreApplication::translate("quillsite::frmAdd",
                                       "The file \"%1\" can't be opened as a page (%2). "
                                       "Please choose another file.")
        .arg(QDir::toNativeSeparators(path), error);
}

} // namespace

frmAdd::frmAdd(PageSet &pages, DesktopServices &desktop, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_ui(std::make_unique<Ui::frmAdd>())
    , m_pages(pages)
    , m_desktop(desktop)
    , m_pagesFolder(desktop.programDataFolder() + u"/pages"_s) {
    m_ui->setupUi(this);
    setFixedSize(size());
    for (const TemplateInfo &info :
         discoverTemplates(desktop.programDataFolder() + u"/templates"_s))
        m_templateFolders.append(info.folder);

    auto *tabs = new QActionGroup(this);
    for (QAction *tab : {m_ui->Blank, m_ui->Open, m_ui->Template})
        tabs->addAction(tab);
    connect(m_ui->Blank, &QAction::triggered, this, [this] { setAddMode(Blank); });
    connect(m_ui->Open, &QAction::triggered, this, [this] { setAddMode(Open); });
    connect(m_ui->Template, &QAction::triggered, this, [this] { setAddMode(Template); });
    connect(m_ui->cmdBrowse, &QPushButton::clicked, this, &frmAdd::browse);
    // A path typed over several chosen files is one file again, named in the name field.
    connect(m_ui->txtFile, &QLineEdit::textEdited, this, [this] {
        m_files.clear();
        m_ui->txtName->setEnabled(true);
    });
    connect(m_ui->cmdAdd, &QPushButton::clicked, this, &frmAdd::add);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &frmAdd::reject);

    m_ui->lstPages->setColumnWidth(0, pageColumnWidth);
    fillReadyMadePages();
    m_ui->txtName->setText(m_pages.newPageCounter().defaultName());
    focusField(m_ui->txtName);
}

frmAdd::~frmAdd() = default;

frmAdd::AddMode frmAdd::addMode() const {
    return m_addMode;
}

void frmAdd::fillReadyMadePages() {
    const QIcon icon(u":/artwork/addpage/page-item.svg"_s);
    const QDir folder(m_pagesFolder);
    const QStringList files =
        folder.entryList({u"*.htm"_s, u"*.html"_s}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString &file : files) {
        auto *item = new QTreeWidgetItem(m_ui->lstPages, {file});
        item->setIcon(0, icon);
        item->setData(0, Qt::UserRole, folder.filePath(file));
    }
}

void frmAdd::setAddMode(AddMode mode) {
    m_addMode = mode;
    switch (mode) {
    case Blank:
    case Open: {
        const bool open = mode == Open;
        m_ui->Blank->setChecked(!open);
        m_ui->Open->setChecked(open);
        m_ui->lblTab->setText(open ? tr("Open a Existing Page") : tr("Create a Blank Page"));
        m_ui->lblFile->setVisible(open);
        m_ui->txtFile->setVisible(open);
        m_ui->cmdBrowse->setVisible(open);
        m_ui->lblName->show();
        m_ui->txtName->show();
        m_ui->lstPages->hide();
        const int top = open ? nameRowTopBelowFile : nameRowTop;
        m_ui->txtName->move(m_ui->txtName->x(), top);
        m_ui->lblName->move(m_ui->lblName->x(), top + labelOffset);
        focusField(open ? m_ui->txtFile : m_ui->txtName);
        break;
    }
    case Template:
        m_ui->Template->setChecked(true);
        m_ui->lblTab->setText(tr("Create from a Pre-defined Page"));
        m_ui->lstPages->show();
        m_ui->lstPages->raise();
        m_ui->lstPages->setFocus();
        if (QTreeWidgetItem *first = m_ui->lstPages->topLevelItem(0))
            m_ui->lstPages->setCurrentItem(first);
        break;
    }
}

void frmAdd::browse() {
    const QStringList paths =
        m_desktop.chooseFiles(this, tr("Browse..."), tr("HTML Files(*.htm,*.html) (*.htm *.html)"));
    if (paths.isEmpty())
        return;
    if (paths.size() > 1) {
        // Each file becomes a page of its own name; the one name field has nothing to say.
        m_files = paths;
        QStringList quoted, names;
        for (const QString &path : paths) {
            quoted.append(u'"' + QDir::toNativeSeparators(path) + u'"');
            names.append(pageNameOf(path));
        }
        m_ui->txtFile->setText(quoted.join(u' '));
        m_ui->txtName->setText(names.join(u", "_s));
        m_ui->txtName->setEnabled(false);
        m_ui->cmdAdd->setFocus();
        return;
    }
    m_ui->txtFile->setText(paths.constFirst());
    m_ui->txtName->setText(pageNameOf(paths.constFirst()));
    m_ui->txtName->setFocus();
    m_ui->txtName->end(false);
}

QString frmAdd::pageNameOf(const QString &path) const {
    const QString built = readInputPage(path, TemplateForms(m_templateFolders)).builtName;
    return built.isEmpty() ? FileTitle(path) : built;
}

void frmAdd::add() {
    const QString name = m_ui->txtName->text();
    const QString file = m_ui->txtFile->text();
    switch (m_addMode) {
    case Blank:
        if (name.isEmpty())
            return warn(tr("Please enter the name of the page, in order to continue."),
                        m_ui->txtName);
        m_pages.newPageCounter().nameAdding(name);
        return AddPage(name, QString());
    case Open:
        if (!m_files.isEmpty())
            return addSeveral();
        if (name.isEmpty() || file.isEmpty())
            return warn(tr("You must enter both, the path and the name of the file."),
                        m_ui->txtFile);
        // A pipe or device is there, and is refused below with its reason.
        if (!FileExists(file) && !QFileInfo::exists(file))
            return warn(tr("The file you specified does not exist, please choose another file."),
                        m_ui->txtFile);
        m_pages.newPageCounter().nameAdding(name);
        return AddPage(name, file);
    case Template:
        return addReadyMadePage();
    }
}

void frmAdd::addReadyMadePage() {
    if (m_ui->lstPages->topLevelItemCount() == 0) {
        return warn(tr("No pre-defined pages are installed: the folder \"%1\" holds no .htm or "
                       ".html file. Please create a blank page or open an existing one instead.")
                        .arg(QDir::toNativeSeparators(m_pagesFolder)),
                    m_ui->lstPages);
    }
    const QTreeWidgetItem *item = m_ui->lstPages->currentItem();
    if (!item || !item->isSelected())
        return warn(tr("Please choose a page from the list of pre-defined pages."), m_ui->lstPages);
    const QString path = item->data(0, Qt::UserRole).toString();
    AddPage(FileTitle(path), path);
}

// Every name is checked before any page is added, so that a bad one adds none.
void frmAdd::addSeveral() {
    QStringList names = m_pages.pageNames();
    for (const QString &path : std::as_const(m_files)) {
        const QString name = pageNameOf(path);
        if (const QString problem = newPageNameProblem(name, names); !problem.isEmpty())
            return warn(problem, m_ui->txtFile);
        names.append(name);
    }
    for (const QString &path : std::as_const(m_files)) {
        if (const QString error = appendFromFile(pageNameOf(path), path); !error.isEmpty()) {
            return warn(unopenableFile(path, error), m_ui->txtFile);
        }
    }
    accept();
}

// Appends the page `name` made from the file `path`, read as every page file
// is (see readInputPage). Empty, or why the file can't be opened; what of the
// file the page leaves out is said once the page is in.
QString frmAdd::appendFromFile(const QString &name, const QString &path) {
    const InputPage read = readInputPage(path, TemplateForms(m_templateFolders));
    if (read.error.failed())
        return read.error.reason;
    m_pages.appendPage(name);
    m_pages.setPageContent(m_pages.count() - 1, read.body,
                           QUrl::fromLocalFile(QFileInfo(path).absolutePath() + u'/'));
    if (!read.warnings.isEmpty())
        m_desktop.warn(this, read.warnings.join(u'\n'));
    return {};
}

void frmAdd::AddPage(const QString &name, const QString &path) {
    // In the Template way the name comes from the list, so the list is where to fix it.
    QWidget *nameField =
        m_addMode == Template ? static_cast<QWidget *>(m_ui->lstPages) : m_ui->txtName;
    if (const QString problem = newPageNameProblem(name, m_pages.pageNames()); !problem.isEmpty())
        return warn(problem, nameField);
    if (path.isEmpty()) {
        m_pages.appendPage(name);
        return accept();
    }
    if (const QString error = appendFromFile(name, path); !error.isEmpty()) {
        QWidget *fileField =
            m_addMode == Template ? static_cast<QWidget *>(m_ui->lstPages) : m_ui->txtFile;
        return warn(unopenableFile(path, error), fileField);
    }
    accept();
}

void frmAdd::warn(const QString &text, QWidget *focus) {
    m_desktop.warn(this, text);
    if (auto *field = qobject_cast<QLineEdit *>(focus))
        focusField(field);
    else
        focus->setFocus();
}

} // namespace quillsite
