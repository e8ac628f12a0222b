#include "platform/desktopservices.h"

#include "platform/systeminfo.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {
const QString applicationTitle = u"Quillsite"_s;
}

void SystemDesktopServices::warn(QWidget *parent, const QString &text)
{
    QMessageBox::warning(parent, applicationTitle, text);
}

bool SystemDesktopServices::ask(QWidget *parent, const QString &question)
{
    return QMessageBox::question(parent, applicationTitle, question,
                                 QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

QString SystemDesktopServices::chooseFolder(QWidget *parent, const QString &title)
{
    return QFileDialog::getExistingDirectory(parent, title, QString(),
                                             QFileDialog::ShowDirsOnly);
}

QString SystemDesktopServices::chooseHtmlFile(QWidget *parent)
{
    return QFileDialog::getOpenFileName(parent, u"Browse..."_s, QDir::homePath(),
                                        u"HTML Files(*.htm,*.html) (*.htm *.html)"_s);
}

void SystemDesktopServices::openUrl(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

QString SystemDesktopServices::desktopFolder()
{
    return quillsite::desktopFolder();
}

QString SystemDesktopServices::loginName()
{
    return quillsite::loginName();
}

QString SystemDesktopServices::programDataFolder()
{
    return quillsite::programDataFolder();
}

} // namespace quillsite
