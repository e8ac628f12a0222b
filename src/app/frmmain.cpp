// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmmain.h"

#include "ui_frmmain.h"

#include "about/frmabout.h"
#include "app/largeeditor.h"
#include "app/missingfilesquestion.h"
#include "app/selectallonfocus.h"
#include "app/siteloader.h"
#include "app/sitepreview.h"
#include "app/templatechooser.h"
#include "artwork.h"
#include "authoring/editorstylesheet.h"
#include "authoring/htmleditor.h"
#include "authoring/pageset.h"
#include "builder/replacedpages.h"
#include "builder/sitebuilder.h"
#include "builder/siteownership.h"
#include "builder/sitereader.h"
#include "platform/desktopservices.h"
#include "project/draftkeeper.h"
#include "project/draftstore.h"
#include "project/draftsummary.h"
#include "project/sitemodel.h"
#include "publishwindow/frmpublish.h"

#include <QAction>
#include <QDir>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QProgressDialog>
#include <QRegularExpression>
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

// A link, as on a web page: blue, underlined, with the hand.
void lookLikeLink(QPushButton *button) {
    QPalette link = button->palette();
    link.setColor(QPalette::ButtonText, QColor(0, 0, 255));
    button->setPalette(link);
    QFont underlined = button->font();
    underlined.setUnderline(true);
    button->setFont(underlined);
    button->setCursor(Qt::PointingHandCursor);
    button->setFlat(true);
    button->setAutoDefault(false);
}

// `text` as it fits in `width`: on one row, or else broken before its last
// parenthesis, so that what is in the parenthesis is still read.
QString fittedButtonText(const QString &text, const QFontMetrics &metrics, int width) {
    static const QRegularExpression accessKey(u"&(.)"_s);
    const QString shown = QString(text).replace(accessKey, u"\\1"_s);
    const qsizetype parenthesis = text.lastIndexOf(u" ("_s);
    if (metrics.horizontalAdvance(shown) <= width || parenthesis < 0)
        return text;
    return text.left(parenthesis) + u'\n' + text.mid(parenthesis + 1);
}

} // namespace

frmMain::frmMain(DesktopServices &desktop, EditorDialogs &dialogs, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::frmMain>())
    , m_desktop(desktop)
    , m_dialogs(dialogs) {
    m_ui->setupUi(this);
    // After the controls, so that the page list goes before the pages it shows.
    m_site = new SiteModel(this);
    setUpWindow();
    setUpLooks();
    setUpControls();

    CurrentPage = WizardPage::Welcome;
    m_chooser->LoadTemplates(m_desktop.programDataFolder() + u"/templates"_s);
    if (m_chooser->isEmpty())
        showNoTemplateNotice();
    m_ui->stkWizard->setCurrentIndex(static_cast<int>(WizardPage::Welcome));
    // The label shows only the first lines of its text; the rest is said again by the
    // label below it. A screen reader reads what is shown, and so each sentence once.
    m_ui->lblWelcome->setAccessibleName(m_ui->lblWelcome->text());
    m_ui->lblWelcome->setText(
        m_ui->lblWelcome->text() + u"\r\n\r\n"_s +
        tr("Quillsite will enable you to create professional-looking websites within minutes. It "
           "will take about only 10 minutes to create your ready-to-publish personal website, "
           "which you can show to everyone after then."));
    fillDefaults();
    keepSiteCurrent();
    setUpDrafts();
    // The dialog would otherwise give the first focus to the first button it finds, About,
    // and Enter on the welcome page would open the About box instead of going on.
    m_ui->cmdNext->setFocus(Qt::OtherFocusReason);
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

    const QList<QWidget *> whites{m_ui->fraWizard_0, m_ui->fraWizard_5,           m_ui->fraTop,
                                  m_ui->Line1,       m_ui->scrDrafts->viewport(), m_ui->fraDrafts};
    for (QWidget *white : whites)
        fillBackground(white, Qt::white);
    for (QWidget *rule : {m_ui->Line2, m_ui->Line3, m_ui->Line4, m_ui->Line5})
        fillBackground(rule, ruleGrey);
    lookLikeLink(m_ui->cmdOpenSite);
    // As wide as its text, so that the text lines up with the labels above it.
    m_ui->cmdOpenSite->resize(m_ui->cmdOpenSite->sizeHint().width(), m_ui->cmdOpenSite->height());
    // The grey label over its white copy, one pixel down and right, reads as engraved.
    setTextColour(m_ui->Label1, ruleGrey);
    setTextColour(m_ui->Label2, Qt::white);

    m_ui->picStart->setPixmap(picture(artwork::WelcomeSide, m_ui->picStart->size()));
    m_ui->Image2->setPixmap(picture(artwork::BannerGlobeHand, m_ui->Image2->size()));
    m_ui->imgNoPreview_0->setPixmap(picture(artwork::NoPreviewLarge, QSize(190, 190)));
    m_ui->imgNoPreview_1->setPixmap(picture(artwork::NoPreviewSmall, QSize(80, 80)));
}

void frmMain::setUpControls() {
    for (QLineEdit *edit : {m_ui->txtTitle, m_ui->txtAuthor, m_ui->txtDestination})
        SelectAllOnFocus::install(edit);

    m_chooser = new TemplateChooser(
        {m_ui->lstTemplates, m_ui->picSelTemp, m_ui->lblAuthor, m_ui->lblWebsite,
         m_ui->lblDescription, m_ui->imgNoPreview_0->pixmap(), m_ui->imgNoPreview_1->pixmap()},
        m_desktop, this);

    connect(m_ui->cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);
    connect(m_ui->cmdBack, &QPushButton::clicked, this, &frmMain::cmdBack_Click);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(m_ui->cmdBrowseDes, &QPushButton::clicked, this, &frmMain::cmdBrowseDes_Click);
    connect(m_ui->cmdAbout, &QPushButton::clicked, this, &frmMain::cmdAbout_Click);
    connect(m_ui->cmdOpenSite, &QPushButton::clicked, this, &frmMain::cmdOpenSite_Click);
    connect(m_ui->cmdPublish, &QPushButton::clicked, this, &frmMain::cmdPublish_Click);
    connect(m_ui->cmdOpenFolder, &QPushButton::clicked, this, &frmMain::cmdOpenFolder_Click);

    // Both are on the Build Pages toolbar once the pages are made, and answer their keys
    // in this window and in the large editor.
    m_previewAction = new QAction(QIcon(artwork::PreviewButton.toString()), tr("Preview"), this);
    m_previewAction->setObjectName(u"Preview"_s);
    m_previewAction->setToolTip(tr("Preview the website in your browser (F5)"));
    m_previewAction->setShortcut(QKeySequence(Qt::Key_F5));
    connect(m_previewAction, &QAction::triggered, this, &frmMain::preview);
    m_largeEditorAction =
        new QAction(QIcon(artwork::LargeEditorButton.toString()), tr("Large Editor"), this);
    m_largeEditorAction->setObjectName(u"LargeEditor"_s);
    m_largeEditorAction->setToolTip(tr("Write this page in a large window (Ctrl+Shift+E)"));
    m_largeEditorAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    connect(m_largeEditorAction, &QAction::triggered, this, &frmMain::openLargeEditor);
    addActions({m_previewAction, m_largeEditorAction});
}

void frmMain::keepSiteCurrent() {
    const auto follow = [this](QLineEdit *box, void (SiteModel::*set)(const QString &)) {
        (m_site->*set)(box->text());
        connect(box, &QLineEdit::textChanged, m_site, set);
    };
    follow(m_ui->txtTitle, &SiteModel::setTitle);
    follow(m_ui->txtAuthor, &SiteModel::setAuthor);
    follow(m_ui->txtDestination, &SiteModel::setDestination);
    m_site->setTemplateFolder(m_chooser->chosenFolder());
    // After the chooser's own handler, which records the choice.
    connect(m_ui->lstTemplates, &QListWidget::itemSelectionChanged, m_site,
            [this] { m_site->setTemplateFolder(m_chooser->chosenFolder()); });
}

void frmMain::showNoTemplateNotice() {
    m_ui->lblNoTemplates->setText(noTemplateMessage());
    m_ui->lblNoTemplates->show();
    const QList<QWidget *> details{m_ui->picSelTemp,    m_ui->Label7,     m_ui->lblAuthor,
                                   m_ui->Label9,        m_ui->lblWebsite, m_ui->Label8,
                                   m_ui->lblDescription};
    for (QWidget *detail : details)
        detail->hide();
}

void frmMain::fillDefaults() {
    m_ui->txtAuthor->setText(m_desktop.loginName());
    const QString desktopFolder = m_desktop.desktopFolder();
    const QString folderName = tr("My Website");
    m_ui->txtDestination->setText(desktopFolder.isEmpty() ? folderName
                                                          : desktopFolder + u'/' + folderName);
}

PageSet &frmMain::pageSet() {
    if (!m_pages) {
        m_pages = new PageSet(m_site->pages(),
                              {m_ui->lstMenu, m_ui->stkPages, m_ui->tbrMenu, m_ui->tbrEdit},
                              m_desktop, m_dialogs, this);
        QWidget *home = m_pages->editor(0);
        QWidget::setTabOrder(m_ui->cmdNext, home);
        QWidget::setTabOrder(home, m_ui->cmdCancel);
        m_ui->tbrEdit->addSeparator();
        m_ui->tbrEdit->addActions({m_largeEditorAction, m_previewAction});
        for (QAction *action : {m_largeEditorAction, m_previewAction})
            m_ui->tbrEdit->widgetForAction(action)->setFixedSize(24, 22);
        if (m_keeper) {
            // The wizard as it starts is no work of the user's yet.
            if (const std::optional<Draft> start = currentDraft())
                m_keeper->setStartingPoint(*start);
        }
    }
    return *m_pages;
}

void frmMain::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!m_pages && windowHandle())
        windowHandle()->installEventFilter(this);
}

void frmMain::closeEvent(QCloseEvent *event) {
    // Closing asks nothing: what was typed since the last draft goes into it now.
    if (m_keeper)
        m_keeper->saveNow();
    QDialog::closeEvent(event);
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
        if (const QString problem =
                informationProblem(m_ui->txtTitle->text(), m_ui->txtAuthor->text());
            !problem.isEmpty()) {
            m_desktop.warn(this, problem);
            m_ui->txtTitle->setFocus(Qt::OtherFocusReason);
            return;
        }
        break;
    case WizardPage::SelectDestination:
        if (const QString problem = destinationProblem(m_ui->txtDestination->text());
            !problem.isEmpty()) {
            m_desktop.warn(this, problem);
            m_ui->txtDestination->setFocus(Qt::OtherFocusReason);
            return;
        }
        switch (BuildWebsite()) {
        case BuildStep::Failed:
            m_ui->txtDestination->setFocus(Qt::OtherFocusReason);
            return;
        case BuildStep::BackToPages:
            enterPage(WizardPage::BuildPages, Direction::Back);
            return;
        case BuildStep::Built:
            break;
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
        m_ui->lblPage->setText(texts->page);
        m_ui->lblInfo->setText(texts->info);
    }
    const PageChrome chrome = pageChrome(page);
    m_ui->cmdBack->setVisible(chrome.backVisible);
    m_ui->cmdBack->setEnabled(chrome.backEnabled);
    m_ui->cmdNext->setText(chrome.nextCaption);
    if (page == WizardPage::Finish)
        m_ui->picFinish->setPixmap(m_ui->picStart->pixmap());
    // The Finish page shows only after a build: what it publishes is on the disk.
    m_ui->cmdPublish->setEnabled(page == WizardPage::Finish);
    m_ui->fraTop->setVisible(chrome.banner);
    m_ui->fraBottom->setVisible(chrome.banner);
    ShowWizardPage(page);

    switch (page) {
    case WizardPage::ProvideInformation:
        m_ui->txtTitle->setFocus(Qt::OtherFocusReason);
        if (direction == Direction::Back)
            m_ui->txtTitle->setCursorPosition(m_ui->txtTitle->text().size());
        break;
    case WizardPage::BuildPages:
        finishLoading();
        // The template may have been chosen anew: the pages show its look, their content
        // stays as it is.
        pageSet().setEditorStyleSheet(editorStyleSheetOf(m_chooser->chosenFolder()));
        pageSet().selectHome();
        break;
    case WizardPage::SelectDestination:
        m_ui->txtDestination->setFocus(Qt::OtherFocusReason);
        break;
    default:
        break;
    }
}

void frmMain::ShowWizardPage(WizardPage page) {
    m_ui->stkWizard->setCurrentIndex(static_cast<int>(page));
    m_ui->fraBottom->raise();
    m_ui->fraTop->raise();
}

frmMain::BuildStep frmMain::BuildWebsite() {
    if (!pagesAnswer(tr("The editor of the page \"%1\" did not answer, so the website was not "
                        "built. Your pages are kept; press Next to try again.")))
        return BuildStep::Failed;
    const Website site = website();
    if (!mayReplaceFiles(site))
        return BuildStep::Failed;
    QProgressDialog progress(tr("Building your website..."), QString(), 0, 0, this);
    progress.setWindowTitle(u"Quillsite"_s);
    progress.setWindowModality(Qt::WindowModal);
    progress.setCancelButton(nullptr);
    progress.setMinimumDuration(500);
    // Deleted pages' files are the user's to remove, when asked after the build.
    OwnedFiles previous = filesOwnedBySiteIn(site.destination, m_chooser->folders());
    previous.pages.clear();
    const BuildResult result = quillsite::BuildWebsite(
        site,
        [&progress](qint64 done, qint64 total) {
            constexpr int Steps = 1000;
            progress.setMaximum(Steps);
            progress.setValue(total > 0 ? static_cast<int>(done * Steps / total) : 0);
        },
        WarningPolicy::Report, previous);
    progress.reset();
    if (!result.ok) {
        m_desktop.warn(this, result.message());
        return BuildStep::Failed;
    }
    // The work is in the website now.
    if (m_keeper)
        m_keeper->discard();
    if (!result.warnings.isEmpty())
        m_desktop.warn(this, result.warnings.join(u'\n'));
    m_ui->lblRemoved->setText(removedFilesMessage(result.removedFiles));
    m_ui->lblSiteFolder->setText(siteFolderMessage(site.destination));
    offerToRemoveLeftovers(site);
    if (!result.missingFiles.isEmpty() &&
        m_desktop.ask(this, missingFilesQuestion(result.missingFiles)))
        return BuildStep::BackToPages;
    return BuildStep::Built;
}

bool frmMain::mayReplaceFiles(const Website &site) {
    if (isOpenedSite(site.destination, m_openedFolder))
        return true;
    const QStringList inTheWay = pageFilesInTheWay(site);
    // The files are someone else's: replacing them takes a deliberate Yes.
    return inTheWay.isEmpty() || m_desktop.ask(this, replaceQuestion(site.destination, inTheWay),
                                               DesktopServices::DefaultAnswer::No);
}

void frmMain::offerToRemoveLeftovers(const Website &site) {
    if (!isOpenedSite(site.destination, m_openedFolder))
        return;
    const QStringList leftovers = leftoverPageFiles(site, m_openedFiles);
    if (!leftovers.isEmpty() && m_desktop.ask(this, leftoverQuestion(leftovers))) {
        if (const QString problem = removePageFiles(m_openedFolder, leftovers); !problem.isEmpty())
            m_desktop.warn(this, problem);
    }
    // What stays in the folder is what a further build counts on.
    m_openedFiles = pageFilesInTheWay(site);
}

Website frmMain::website() {
    pageSet().storeContent();
    return m_site->website();
}

void frmMain::finish() {
    if (m_ui->chkView->isChecked())
        m_desktop.openUrl(homePageUrl(m_ui->txtDestination->text()));
    close();
}

void frmMain::cmdBrowseDes_Click() {
    const QString folder = m_desktop.chooseFolder(this, tr("Select where you want to save."));
    if (!folder.isEmpty())
        m_ui->txtDestination->setText(folder);
    m_ui->txtDestination->setFocus(Qt::OtherFocusReason);
}

void frmMain::cmdAbout_Click() {
    frmAbout about(m_desktop, this);
    about.exec();
}

// The site as built last, in the folder it was built into.
void frmMain::cmdPublish_Click() {
    frmPublish publish(m_desktop, m_site->destination(), this);
    publish.exec();
}

void frmMain::cmdOpenSite_Click() {
    const QString folder = m_desktop.chooseFolder(this, tr("Select the folder of your website."));
    if (!folder.isEmpty())
        openSite(folder);
}

void frmMain::cmdOpenFolder_Click() {
    m_desktop.openUrl(siteFolderUrl(m_site->destination()));
}

void frmMain::openSite(const QString &folder) {
    if (!mayReplacePages(tr("Opening a website replaces the pages you have made here. "
                            "Open it all the same?")))
        return;
    const ReadSite read = readBuiltSite(QDir(folder).absolutePath(), m_chooser->folders());
    if (!read.error.isEmpty()) {
        m_desktop.warn(this, read.error);
        return;
    }
    m_chooser->choose(read.site.templateFolder);
    if (!read.site.title.isEmpty())
        m_ui->txtTitle->setText(read.site.title);
    if (!read.site.author.isEmpty())
        m_ui->txtAuthor->setText(read.site.author);
    m_ui->txtDestination->setText(read.site.destination);
    m_openedFolder = read.site.destination;
    m_openedFiles = read.pageFiles;

    finishLoading();
    pageSet().clear();
    m_loader = new SiteLoader(pageSet(), read.site.pages, this);
    if (m_keeper)
        connect(m_loader, &SiteLoader::finished, m_keeper, &DraftKeeper::changed);
    enterPage(WizardPage::SelectTemplate, Direction::Next);
    m_ui->lstTemplates->setFocus(Qt::OtherFocusReason);
    if (!read.problems.isEmpty())
        m_desktop.warn(this, recoveryMessage(read.problems));
}

// Nothing typed is thrown away without asking.
bool frmMain::mayReplacePages(const QString &question) {
    finishLoading();
    if (pageSet().count() == 1 && pageSet().editor(0)->bodyHTML().isEmpty())
        return true;
    return m_desktop.ask(this, question);
}

void frmMain::finishLoading() {
    if (m_loader)
        m_loader->finishNow();
}

bool frmMain::pagesAnswer(const QString &problem) {
    finishLoading();
    if (const int page = pageSet().unreadablePage(); page >= 0) {
        m_desktop.warn(this, problem.arg(pageSet().pageName(page)));
        return false;
    }
    return true;
}

void frmMain::setUpDrafts() {
    const QString state = m_desktop.stateFolder();
    m_ui->scrDrafts->hide();
    if (state.isEmpty())
        return;
    m_drafts = std::make_unique<DraftStore>(state);
    m_keeper = new DraftKeeper(
        *m_drafts, [this] { return currentDraft(); }, this);
    // Every change of the site, typed in a box, a page's content or the page list, reaches
    // the model first.
    connect(m_site, &SiteModel::changed, m_keeper, &DraftKeeper::changed);
    const auto follow = [this](auto pageSignal) {
        connect(&m_site->pages(), pageSignal, m_keeper, &DraftKeeper::changed);
    };
    follow(&SitePages::dataChanged);
    follow(&SitePages::rowsInserted);
    follow(&SitePages::rowsRemoved);
    follow(&SitePages::rowsMoved);
    follow(&SitePages::modelReset);
    connect(m_keeper, &DraftKeeper::saveFailed, this, [this](const QString &problem) {
        m_desktop.warn(this, tr("Your work can't be kept as a draft, so it would be lost if "
                                "Quillsite ended unexpectedly. %1")
                                 .arg(problem));
    });

    const DraftListing listing = m_drafts->list();
    for (const StoredDraft &stored : listing.drafts)
        offerDraft(stored);
    if (!listing.unreadable.isEmpty())
        QTimer::singleShot(0, this, [this, problems = listing.unreadable] {
            m_desktop.warn(this, problems.join(u'\n'));
        });
}

// One line of the Welcome page: the draft to take up again, and a way to throw it away.
void frmMain::offerDraft(const StoredDraft &stored) {
    auto *offer = new QWidget(m_ui->fraDrafts);
    auto *row = new QHBoxLayout(offer);
    row->setContentsMargins(0, 0, 0, 0);
    const int line = m_ui->layDrafts->count() - 1; // before the spacer
    const QString text = continueDraftText(stored.draft, QDateTime::currentDateTime());
    auto *take = new QPushButton(offer);
    take->setObjectName(u"cmdContinueDraft_"_s + QString::number(line));
    lookLikeLink(take);
    // A text on two rows reads as one block, from the left as the labels above it.
    take->setStyleSheet(u"QPushButton { text-align: left; padding: 1px 4px; }"_s);
    if (!stored.draft.openedFolder.isEmpty())
        take->setToolTip(QDir::toNativeSeparators(stored.draft.openedFolder));
    // A small button beside the line, so that the line keeps as much of its text as it can.
    auto *discard =
        new QPushButton(style()->standardIcon(QStyle::SP_TitleBarCloseButton), {}, offer);
    discard->setObjectName(u"cmdDiscardDraft_"_s + QString::number(line));
    discard->setToolTip(tr("Throw this draft away"));
    discard->setAccessibleName(tr("Discard"));
    discard->setFlat(true);
    discard->setAutoDefault(false);
    discard->setFixedSize(20, 20);
    row->setSpacing(4);
    const int room = m_ui->scrDrafts->width() - discard->width() - row->spacing() -
                     2 * take->style()->pixelMetric(QStyle::PM_ButtonMargin);
    take->setText(fittedButtonText(text, take->fontMetrics(), room));
    row->addWidget(take);
    row->addWidget(discard);
    row->addStretch();
    m_ui->layDrafts->insertWidget(line, offer);
    m_ui->scrDrafts->show();
    connect(take, &QPushButton::clicked, this,
            [this, stored, offer] { continueDraft(stored, offer); });
    connect(discard, &QPushButton::clicked, this,
            [this, stored, offer] { discardDraft(stored, offer); });
}

void frmMain::continueDraft(const StoredDraft &stored, QWidget *offer) {
    if (!mayReplacePages(tr("Continuing that website replaces the pages you have made here; "
                            "they stay in a draft of their own. Continue it all the same?")))
        return;
    // What was typed here so far stays in this run's own draft.
    m_keeper->saveNow();
    if (!m_keeper->continueDraft(stored.id, stored.draft)) {
        m_desktop.warn(this, tr("Another Quillsite window is writing this website now."));
        return;
    }
    const Draft &draft = stored.draft;
    if (!m_chooser->choose(draft.templateFolder))
        m_desktop.warn(this, tr("The template this website was written with, \"%1\", is no "
                                "longer installed. Choose another one on Select Template.")
                                 .arg(QDir::toNativeSeparators(draft.templateFolder)));
    m_ui->txtTitle->setText(draft.title);
    m_ui->txtAuthor->setText(draft.author);
    m_ui->txtDestination->setText(draft.destination);
    m_openedFolder = draft.openedFolder;
    m_openedFiles = draft.openedFiles;
    finishLoading();
    pageSet().clear();
    m_loader = new SiteLoader(pageSet(), websiteOf(draft).pages, this);
    enterPage(WizardPage::BuildPages, Direction::Next);
    // The line just taken is gone from view; the keyboard goes on in the page list.
    m_ui->lstMenu->setFocus(Qt::OtherFocusReason);
    offer->hide();
}

void frmMain::discardDraft(const StoredDraft &stored, QWidget *offer) {
    const QString details = draftDetails(stored.draft, QDateTime::currentDateTime());
    if (!m_desktop.ask(this, tr("Throw away the website you were writing (%1)? What you wrote "
                                "in it can't be brought back.")
                                 .arg(details)))
        return;
    if (!m_drafts->remove(stored.id)) {
        m_desktop.warn(this, tr("The draft could not be removed completely. It is in \"%1\".")
                                 .arg(QDir::toNativeSeparators(m_drafts->folderOf(stored.id))));
        return;
    }
    offer->hide();
    m_ui->cmdNext->setFocus(Qt::OtherFocusReason);
}

std::optional<Draft> frmMain::currentDraft() {
    // Once built, the website holds the work; while pages are still coming in, the work
    // is not whole yet (their arrival asks again).
    if (CurrentPage == WizardPage::Finish || m_loader)
        return std::nullopt;
    Draft draft = draftOf(website());
    draft.openedFolder = m_openedFolder;
    draft.openedFiles = m_openedFiles;
    return draft;
}

void frmMain::preview() {
    if (CurrentPage != WizardPage::BuildPages ||
        !pagesAnswer(tr("The editor of the page \"%1\" did not answer, so there is no preview. "
                        "Your pages are kept; press F5 to try again.")))
        return;
    if (!m_preview)
        m_preview = std::make_unique<SitePreview>(m_chooser->folders());
    const BuildResult result = m_preview->build(website());
    if (!result.ok) {
        m_desktop.warn(this, result.message());
        return;
    }
    m_desktop.openUrl(
        m_preview->pageUrl(pageSet().pageName(std::max(pageSet().selectedPage(), 0))));
}

void frmMain::openLargeEditor() {
    if (CurrentPage != WizardPage::BuildPages)
        return;
    const QString name = pageSet().pageName(pageSet().selectedPage());
    HtmlEditor *editor = pageSet().lendSelectedEditor();
    if (!editor)
        return;
    auto *window = new LargeEditor(editor, name, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->addAction(m_previewAction);
    connect(window, &QDialog::finished, this, [this] {
        pageSet().giveBackEditor();
        if (HtmlEditor *page = pageSet().editor(pageSet().selectedPage()))
            page->setFocus(Qt::OtherFocusReason);
    });
    window->show();
}

QString frmMain::noTemplateMessage() const {
    return tr("No website template is installed, so Quillsite can't build a website. Put at least "
              "one template folder into \"%1\" and start Quillsite again.")
        .arg(m_desktop.programDataFolder() + u"/templates"_s);
}

} // namespace quillsite
