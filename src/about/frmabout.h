#pragma once

#include <QDialog>
#include <QList>

#include <functional>
#include <memory>

class QLabel;
class QUrl;

namespace Ui {
class frmAbout;
}

namespace quillsite {

// The About box: names the program and its maker, and links to the maker's
// web site. Created for each showing and destroyed when it closes.
class frmAbout final : public QDialog {
    Q_OBJECT

public:
    // `openUrl` opens a web address in the user's browser.
    using UrlOpener = std::function<void(const QUrl &)>;

    explicit frmAbout(UrlOpener openUrl, QWidget *parent = nullptr);
    ~frmAbout() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void lblLink_Click(int index);

    std::unique_ptr<Ui::frmAbout> m_ui;
    UrlOpener m_openUrl;
    QList<QLabel *> m_links; // lblLink_<i>
};

} // namespace quillsite
