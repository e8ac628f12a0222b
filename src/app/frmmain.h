#pragma once

#include "app/wizardflow.h"
#include "builder/website.h"

#include <QDialog>

#include <memory>

namespace Ui {
class frmMain;
}

namespace quillsite {

class DesktopServices;
class EditorDialogs;
class PageSet;
class TemplateChooser;

// The wizard: six pages in one window, from choosing a template to the
// finished website. Everything the site is made of lives in its controls
// until the build gathers it into a Website.
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

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setUpWindow();
    void setUpLooks();
    void setUpControls();
    void showNoTemplateNotice();
    void fillDefaults();
    void cmdNext_Click();
    void cmdBack_Click();
    void cmdBrowseDes_Click();
    void cmdAbout_Click();
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
    TemplateChooser *m_chooser = nullptr;
    PageSet *m_pages = nullptr;
    WizardPage CurrentPage = WizardPage::Welcome;
};

} // namespace quillsite
