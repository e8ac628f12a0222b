// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/wizardflow.h"
#include "builder/website.h"

#include <QDialog>
#include <QPointer>
#include <QStringList>

#include <memory>

namespace Ui {
class frmMain;
}

namespace quillsite {

class DesktopServices;
class EditorDialogs;
class PageSet;
class SiteLoader;
class SiteModel;
class TemplateChooser;

// The wizard: six pages in one window, from choosing a template to the
// finished website. What the user chooses and types goes into the site model
// as it changes; the build takes the site from there.
class frmMain final : public QDialog {
    Q_OBJECT

public:
    // `desktop` and `dialogs` must outlive the window.
    frmMain(DesktopServices &desktop, EditorDialogs &dialogs, QWidget *parent = nullptr);
    ~frmMain() override;

    WizardPage currentPage() const { return CurrentPage; }

    // The page set of the Build Pages step, made on first use so that the
    // web engine starts after the window shows.
    PageSet &pageSet();

    // The website as the user has made it so far.
    SiteModel &site() { return *m_site; }

    // Fills the wizard from the site built into `folder`, as if it had been
    // made by hand, and goes to Select Template; says what could not be
    // recovered. The pages go into their editors a few at a time after this
    // returns.
    void openSite(const QString &folder);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setUpWindow();
    void setUpLooks();
    void setUpControls();
    void keepSiteCurrent();
    void showNoTemplateNotice();
    void fillDefaults();
    void cmdNext_Click();
    void cmdBack_Click();
    void cmdBrowseDes_Click();
    void cmdAbout_Click();
    void cmdOpenSite_Click();
    void cmdOpenFolder_Click();
    void cmdPublish_Click();
    bool mayReplacePages();
    void finishLoading();
    bool mayReplaceFiles(const Website &site);
    void offerToRemoveLeftovers(const Website &site);
    void enterPage(WizardPage page, Direction direction);
    void ShowWizardPage(WizardPage page);
    // What became of a build started from Select Destination.
    enum class BuildStep { Failed, Built, BackToPages };
    BuildStep BuildWebsite();
    void finish();
    Website website();
    QString noTemplateMessage() const;

    std::unique_ptr<Ui::frmMain> m_ui;
    DesktopServices &m_desktop;
    EditorDialogs &m_dialogs;
    SiteModel *m_site = nullptr;
    TemplateChooser *m_chooser = nullptr;
    PageSet *m_pages = nullptr;
    QPointer<SiteLoader> m_loader;
    // The folder the site was opened from and the files of its pages then.
    QString m_openedFolder;
    QStringList m_openedFiles;
    WizardPage CurrentPage = WizardPage::Welcome;
};

} // namespace quillsite
