#include "authoring/frmadd.h"
#include "ui_frmadd.h"

#include "authoring/filetitle.h"
#include "authoring/pagenamecheck.h"
#include "authoring/pageset.h"
#include "library/fileexists.h"
#include "platform/desktopservices.h"

#include <QActionGroup>
#include <QDir>
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

    auto *tabs = new QActionGroup(this);
    for (QAction *tab : {m_ui->Blank, m_ui->Open, m_ui->Template})
        tabs->addAction(tab);
    connect(m_ui->Blank, &QAction::triggered, this, [this] { setAddMode(Blank); });
    connect(m_ui->Open, &QAction::triggered, this, [this] { setAddMode(Open); });
    connect(m_ui->Template, &QAction::triggered, this, [this] { setAddMode(Template); });
    connect(m_ui->cmdBrowse, &QPushButton::clicked, this, &frmAdd::browse);
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
    const QString path =
        m_desktop.chooseFile(this, tr("Browse..."), tr("HTML Files(*.htm,*.html) (*.htm *.html)"));
    if (path.isEmpty())
        return;
    m_ui->txtFile->setText(path);
    m_ui->txtName->setText(FileTitle(path));
    m_ui->txtName->setFocus();
    m_ui->txtName->end(false);
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
        if (name.isEmpty() || file.isEmpty())
            return warn(tr("You must enter both, the path and the name of the file."),
                        m_ui->txtFile);
        if (!FileExists(file))
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

void frmAdd::AddPage(const QString &name, const QString &path) {
    // In the Template way the name comes from the list, so the list is where to fix it.
    QWidget *nameField =
        m_addMode == Template ? static_cast<QWidget *>(m_ui->lstPages) : m_ui->txtName;
    if (const QString problem = newPageNameProblem(name, m_pages.pageNames()); !problem.isEmpty())
        return warn(problem, nameField);
    if (const QString error = m_pages.appendPage(name, path); !error.isEmpty()) {
        QWidget *fileField =
            m_addMode == Template ? static_cast<QWidget *>(m_ui->lstPages) : m_ui->txtFile;
        return warn(tr("The file \"%1\" can't be opened as a page (%2). Please choose another "
                       "file.")
                        .arg(QDir::toNativeSeparators(path), error),
                    fileField);
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
