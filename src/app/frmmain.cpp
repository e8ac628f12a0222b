#include "app/frmmain.h"

#include "ui_frmmain.h"

#include "about/frmabout.h"
#include "app/selectallonfocus.h"
#include "app/templatechooser.h"
#include "artwork.h"
#include "authoring/editorstylesheet.h"
#include "authoring/htmleditor.h"
#include "authoring/pageset.h"
#include "builder/sitebuilder.h"
#include "platform/desktopservices.h"

#include <QIcon>
#include <QKeyEvent>
#include <QProgressDialog>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWindow>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

QPixmap picture(QStringView path, const QSize &size) {
    return QIcon(path.toString()).pixmap(size);
}

const QColor ruleGrey(172, 168, 153);

void fillBackground(QWidget *widget, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget *widget, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

const QString welcomeExtension =
    u"Quillsite will enable you to create professional-looking websites within minutes. It will "
    "take about only 10 minutes to create your ready-to-publish personal website, which you can "
    "show to everyone after then."_s;

} // namespace

frmMain::frmMain(DesktopServices &desktop, EditorDialogs &dialogs, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::frmMain>())
    , m_desktop(desktop)
    , m_dialogs(dialogs) {
    ui->setupUi(this);
    setUpWindow();
    setUpLooks();
    setUpControls();

    CurrentPage = WizardPage::Welcome;
    m_chooser->LoadTemplates(m_desktop.programDataFolder() + u"/templates"_s);
    if (m_chooser->isEmpty())
        showNoTemplateNotice();
    ui->stkWizard->setCurrentIndex(static_cast<int>(WizardPage::Welcome));
    ui->lblWelcome->setText(ui->lblWelcome->text() + u"\r\n\r\n"_s + welcomeExtension);
    fillDefaults();
    // The dialog would otherwise give the first focus to the first button it finds, About,
    // and Enter on the welcome page would open the About box instead of going on.
    ui->cmdNext->setFocus(Qt::OtherFocusReason);
}

frmMain::~frmMain() = default;

void frmMain::setUpWindow() {
    // A main window of fixed size: it can be minimised, not maximised or resized.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(size());
    // Not every window manager places a new window; centre it ourselves.
    move(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry())
            .topLeft());
    setWindowIcon(artwork::programIcon());
}

void frmMain::setUpLooks() {
    // Designer files hold whole point sizes only; the controls inherit this one.
    QFont base = font();
    base.setPointSizeF(8.25);
    setFont(base);

    for (QWidget *white : {ui->fraWizard_0, ui->fraWizard_5, ui->fraTop, ui->Line1})
        fillBackground(white, Qt::white);
    for (QWidget *rule : {ui->Line2, ui->Line3, ui->Line4, ui->Line5})
        fillBackground(rule, ruleGrey);
    // The grey label over its white copy, one pixel down and right, reads as engraved.
    setTextColour(ui->Label1, ruleGrey);
    setTextColour(ui->Label2, Qt::white);

    ui->picStart->setPixmap(picture(artwork::WelcomeSide, ui->picStart->size()));
    ui->Image2->setPixmap(picture(artwork::BannerGlobeHand, ui->Image2->size()));
    ui->imgNoPreview_0->setPixmap(picture(artwork::NoPreviewLarge, QSize(190, 190)));
    ui->imgNoPreview_1->setPixmap(picture(artwork::NoPreviewSmall, QSize(80, 80)));
}

void frmMain::setUpControls() {
    for (QLineEdit *edit : {ui->txtTitle, ui->txtAuthor, ui->txtDestination})
        SelectAllOnFocus::install(edit);

    m_chooser = new TemplateChooser({ui->lstTemplates, ui->picSelTemp, ui->lblAuthor,
                                     ui->lblWebsite, ui->lblDescription,
                                     ui->imgNoPreview_0->pixmap(), ui->imgNoPreview_1->pixmap()},
                                    m_desktop, this);

    connect(ui->cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);
    connect(ui->cmdBack, &QPushButton::clicked, this, &frmMain::cmdBack_Click);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->cmdBrowseDes, &QPushButton::clicked, this, &frmMain::cmdBrowseDes_Click);
    connect(ui->cmdAbout, &QPushButton::clicked, this, &frmMain::cmdAbout_Click);
}

void frmMain::showNoTemplateNotice() {
    ui->lblNoTemplates->setText(noTemplateMessage());
    ui->lblNoTemplates->show();
    const QList<QWidget *> details{ui->picSelTemp, ui->Label7, ui->lblAuthor,     ui->Label9,
                                   ui->lblWebsite, ui->Label8, ui->lblDescription};
    for (QWidget *detail : details)
        detail->hide();
}

void frmMain::fillDefaults() {
    ui->txtAuthor->setText(m_desktop.loginName());
    const QString desktopFolder = m_desktop.desktopFolder();
    ui->txtDestination->setText(desktopFolder.isEmpty() ? u"My Website"_s
                                                        : desktopFolder + u"/My Website"_s);
}

PageSet &frmMain::pageSet() {
    if (!m_pages) {
        m_pages = new PageSet({ui->lstMenu, ui->stkPages, ui->tbrMenu, ui->tbrEdit}, m_desktop,
                              m_dialogs, this);
        QWidget *home = m_pages->editor(0);
        QWidget::setTabOrder(ui->cmdNext, home);
        QWidget::setTabOrder(home, ui->cmdCancel);
    }
    return *m_pages;
}

void frmMain::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!m_pages && windowHandle())
        windowHandle()->installEventFilter(this);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event) {
    // The window paints while its first exposure is handled; the web engine
    // starts right after, so it never holds back the first sight of the wizard.
    if (watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { pageSet(); });
    }
    return QDialog::eventFilter(watched, event);
}

void frmMain::keyPressEvent(QKeyEvent *event) {
    // No button of the wizard answers Escape: a stray key must not throw the pages away.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmMain::cmdNext_Click() {
    switch (CurrentPage) {
    case WizardPage::SelectTemplate:
        if (m_chooser->isEmpty()) {
            m_desktop.warn(this, noTemplateMessage());
            return;
        }
        break;
    case WizardPage::ProvideInformation:
        if (const QString problem = informationProblem(ui->txtTitle->text(), ui->txtAuthor->text());
            !problem.isEmpty()) {
            m_desktop.warn(this, problem);
            ui->txtTitle->setFocus(Qt::OtherFocusReason);
            return;
        }
        break;
    case WizardPage::SelectDestination:
        if (const QString problem = destinationProblem(ui->txtDestination->text());
            !problem.isEmpty()) {
            m_desktop.warn(this, problem);
            ui->txtDestination->setFocus(Qt::OtherFocusReason);
            return;
        }
        if (!BuildWebsite()) {
            ui->txtDestination->setFocus(Qt::OtherFocusReason);
            return;
        }
        break;
    case WizardPage::Finish:
        finish();
        return;
    default:
        break;
    }
    enterPage(*neighbourPage(CurrentPage, Direction::Next), Direction::Next);
}

void frmMain::cmdBack_Click() {
    if (const std::optional<WizardPage> previous = neighbourPage(CurrentPage, Direction::Back);
        previous && CurrentPage != WizardPage::Finish)
        enterPage(*previous, Direction::Back);
}

void frmMain::enterPage(WizardPage page, Direction direction) {
    CurrentPage = page;
    if (const std::optional<BannerTexts> texts = bannerTexts(page, direction)) {
        ui->lblPage->setText(texts->page);
        ui->lblInfo->setText(texts->info);
    }
    const PageChrome chrome = pageChrome(page);
    ui->cmdBack->setVisible(chrome.backVisible);
    ui->cmdBack->setEnabled(chrome.backEnabled);
    ui->cmdNext->setText(chrome.nextCaption);
    if (page == WizardPage::Finish)
        ui->picFinish->setPixmap(ui->picStart->pixmap());
    ui->fraTop->setVisible(chrome.banner);
    ui->fraBottom->setVisible(chrome.banner);
    ShowWizardPage(page);

    switch (page) {
    case WizardPage::ProvideInformation:
        ui->txtTitle->setFocus(Qt::OtherFocusReason);
        if (direction == Direction::Back)
            ui->txtTitle->setCursorPosition(ui->txtTitle->text().size());
        break;
    case WizardPage::BuildPages:
        // The template may have been chosen anew: the pages show its look, their content
        // stays as it is.
        pageSet().setEditorStyleSheet(editorStyleSheetOf(m_chooser->chosenFolder()));
        pageSet().selectHome();
        break;
    case WizardPage::SelectDestination:
        ui->txtDestination->setFocus(Qt::OtherFocusReason);
        break;
    default:
        break;
    }
}

void frmMain::ShowWizardPage(WizardPage page) {
    ui->stkWizard->setCurrentIndex(static_cast<int>(page));
    ui->fraBottom->raise();
    ui->fraTop->raise();
}

bool frmMain::BuildWebsite() {
    if (const int page = pageSet().unreadablePage(); page >= 0) {
        m_desktop.warn(this, u"The editor of the page \"%1\" did not answer, so the website was "
                             "not built. Your pages are kept; press Next to try again."_s.arg(
                                 pageSet().pageName(page)));
        return false;
    }
    QProgressDialog progress(u"Building your website..."_s, QString(), 0, 0, this);
    progress.setWindowTitle(u"Quillsite"_s);
    progress.setWindowModality(Qt::WindowModal);
    progress.setCancelButton(nullptr);
    progress.setMinimumDuration(500);
    const BuildResult result =
        quillsite::BuildWebsite(website(), [&progress](qint64 done, qint64 total) {
            constexpr int Steps = 1000;
            progress.setMaximum(Steps);
            progress.setValue(total > 0 ? static_cast<int>(done * Steps / total) : 0);
        });
    progress.reset();
    if (!result.ok)
        m_desktop.warn(this, result.message());
    else if (!result.warnings.isEmpty())
        m_desktop.warn(this, tr("Your website was built, but some links in it need your "
                                "attention:\n\n%1")
                                 .arg(result.warnings.join(u"\n"_s)));
    return result.ok;
}

Website frmMain::website() {
    return {m_chooser->chosenFolder(), ui->txtTitle->text(), ui->txtAuthor->text(),
            pageSet().pages(), ui->txtDestination->text()};
}

void frmMain::finish() {
    if (ui->chkView->isChecked())
        m_desktop.openUrl(homePageUrl(ui->txtDestination->text()));
    close();
}

void frmMain::cmdBrowseDes_Click() {
    const QString folder = m_desktop.chooseFolder(this, u"Select where you want to save."_s);
    if (!folder.isEmpty())
        ui->txtDestination->setText(folder);
    ui->txtDestination->setFocus(Qt::OtherFocusReason);
}

void frmMain::cmdAbout_Click() {
    frmAbout about(m_desktop, this);
    about.exec();
}

QString frmMain::noTemplateMessage() const {
    return u"No website template is installed, so Quillsite can't build a website. Put at least "
           "one template folder into \"%1\" and start Quillsite again."_s.arg(
               m_desktop.programDataFolder() + u"/templates"_s);
}

} // namespace quillsite
