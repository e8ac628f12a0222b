// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publishwindow/frmpublish.h"
#include "ui_frmpublish.h"

#include "buildinfo.h"
#include "platform/desktopservices.h"
#include "publishwindow/keyring.h"
#include "publishwindow/publishoutcome.h"

#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QThread>
#include <QUrl>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

using Kind = DestinationAddress::Kind;
using Action = PublishJob::Action;

// The rows a kind of place shows, by their fields.
bool showsRow(const PublishPlace &place, const QString &field) {
    static const QStringList server{u"spnPort"_s, u"txtHost"_s, u"txtUser"_s, u"txtRemoteFolder"_s};
    if (server.contains(field))
        return place.isServer();
    if (field == u"txtRepository"_s || field == u"txtBranch"_s)
        return place.kind == Kind::Git;
    if (field == u"fraFolder"_s)
        return place.kind == Kind::Folder;
    if (field == u"cboSignIn"_s)
        return place.kind == Kind::Sftp;
    if (field == u"txtPassword"_s || field == u"chkRemember"_s)
        return place.usesPassword();
    if (field == u"fraKeyFile"_s)
        return place.kind == Kind::Sftp && place.signIn == PublishPlace::SignIn::KeyFile;
    return true;
}

} // namespace

frmPublish::frmPublish(DesktopServices &desktop, const QString &siteFolder, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::frmPublish>())
    , m_desktop(desktop)
    , m_siteFolder(QDir(siteFolder).absolutePath())
    , m_place(loadPublishPlace(m_siteFolder)) {
    m_ui->setupUi(this);
    setUpControls();
    showPlace(m_place);
    setWorking(false);
    fillPasswordFromKeyring();
}

frmPublish::~frmPublish() {
    stopWorker();
}

void frmPublish::setUpControls() {
    m_ui->tblChanges->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_ui->tblChanges->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_ui->cmdOpenSite->setEnabled(false);
    m_ui->cmdUndo->setEnabled(false);
    connect(m_ui->cboKind, &QComboBox::currentIndexChanged, this, &frmPublish::kindChanged);
    connect(m_ui->cboSignIn, &QComboBox::currentIndexChanged, this, &frmPublish::updateRows);
    connect(m_ui->cmdTest, &QPushButton::clicked, this, [this] { start(Action::Check); });
    connect(m_ui->cmdShowChanges, &QPushButton::clicked, this, [this] { start(Action::Changes); });
    connect(m_ui->cmdPublish, &QPushButton::clicked, this, [this] { start(Action::Publish); });
    connect(m_ui->cmdUndo, &QPushButton::clicked, this, [this] {
        if (m_desktop.ask(this, tr("Put the version from before this publish back on the "
                                   "server?")))
            start(Action::Undo);
    });
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, [this] {
        m_stop = true;
        m_ui->lblCurrentFile->setText(tr("Stopping after the file being sent..."));
        m_ui->cmdCancel->setEnabled(false);
    });
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &frmPublish::reject);
    connect(m_ui->cmdOpenSite, &QPushButton::clicked, this, &frmPublish::openSite);
    connect(m_ui->cmdBrowseFolder, &QPushButton::clicked, this, [this] {
        const QString folder = m_desktop.chooseFolder(this, tr("Choose the folder to publish to"));
        if (!folder.isEmpty())
            m_ui->txtFolder->setText(folder);
    });
    connect(m_ui->cmdBrowseKey, &QPushButton::clicked, this, [this] {
        const QString file =
            m_desktop.chooseFile(this, tr("Choose your SSH key file"), tr("All files (*)"));
        if (!file.isEmpty())
            m_ui->txtKeyFile->setText(file);
    });
}

void frmPublish::showPlace(const PublishPlace &place) {
    const QSignalBlocker blocker(m_ui->cboKind);
    m_ui->cboKind->setCurrentIndex(int(place.kind));
    m_ui->txtHost->setText(place.host);
    m_ui->spnPort->setValue(place.port);
    m_ui->txtUser->setText(place.user);
    m_ui->txtRemoteFolder->setText(place.remoteFolder);
    m_ui->txtRepository->setText(place.repository);
    m_ui->txtBranch->setText(place.branch);
    m_ui->txtFolder->setText(place.folder);
    m_ui->txtAddress->setText(place.publicAddress);
    m_ui->cboSignIn->setCurrentIndex(int(place.signIn));
    m_ui->txtKeyFile->setText(place.keyFile);
    m_ui->chkRemember->setChecked(place.rememberPassword);
    updateRows();
}

PublishPlace frmPublish::placeFromFields() const {
    PublishPlace place = m_place;
    place.kind = Kind(m_ui->cboKind->currentIndex());
    place.host = m_ui->txtHost->text().trimmed();
    place.port = m_ui->spnPort->value();
    place.user = m_ui->txtUser->text().trimmed();
    place.remoteFolder = m_ui->txtRemoteFolder->text().trimmed();
    place.repository = m_ui->txtRepository->text().trimmed();
    place.branch = m_ui->txtBranch->text().trimmed();
    place.folder = m_ui->txtFolder->text().trimmed();
    place.publicAddress = m_ui->txtAddress->text().trimmed();
    place.signIn = PublishPlace::SignIn(m_ui->cboSignIn->currentIndex());
    place.keyFile = m_ui->txtKeyFile->text().trimmed();
    place.rememberPassword = m_ui->chkRemember->isChecked();
    // A pin belongs to the server it was given for.
    if (place.host != m_place.host || place.port != m_place.port)
        place.certificatePin.clear();
    return place;
}

void frmPublish::updateRows() {
    const PublishPlace place = placeFromFields();
    for (QWidget *field :
         {static_cast<QWidget *>(m_ui->txtHost), static_cast<QWidget *>(m_ui->spnPort),
          static_cast<QWidget *>(m_ui->txtUser), static_cast<QWidget *>(m_ui->txtRemoteFolder),
          static_cast<QWidget *>(m_ui->txtRepository), static_cast<QWidget *>(m_ui->txtBranch),
          static_cast<QWidget *>(m_ui->fraFolder), static_cast<QWidget *>(m_ui->cboSignIn),
          static_cast<QWidget *>(m_ui->txtPassword), static_cast<QWidget *>(m_ui->chkRemember),
          static_cast<QWidget *>(m_ui->fraKeyFile)})
        m_ui->layPlace->setRowVisible(field, showsRow(place, field->objectName()));
    m_ui->layPlace->setRowVisible(m_ui->lblKeyring, place.usesPassword() && !m_keyringAvailable);
}

void frmPublish::kindChanged() {
    const Kind before = m_place.kind;
    const Kind now = Kind(m_ui->cboKind->currentIndex());
    if (m_ui->spnPort->value() == defaultPort(before))
        m_ui->spnPort->setValue(defaultPort(now));
    m_place.kind = now;
    updateRows();
}

void frmPublish::fillPasswordFromKeyring() {
    if (!m_place.usesPassword())
        return;
    readKeyring(this, m_place.address().display(), [this](const KeyringAnswer &answer) {
        m_keyringAvailable = answer.available;
        m_ui->lblKeyring->setText(answer.problem);
        m_ui->chkRemember->setEnabled(answer.available);
        if (!answer.available)
            m_ui->chkRemember->setChecked(false);
        if (answer.password && m_ui->txtPassword->text().isEmpty())
            m_ui->txtPassword->setText(*answer.password);
        updateRows();
    });
}

void frmPublish::start(Action action) {
    if (m_working)
        return;
    PublishPlace place = placeFromFields();
    if (const QString problem = place.problem(); !problem.isEmpty()) {
        m_ui->lblStatus->setText(problem);
        return;
    }
    if (place.usesPassword() && m_ui->txtPassword->text().isEmpty()) {
        m_ui->lblStatus->setText(tr("Type your password for the server."));
        m_ui->txtPassword->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!mayUsePlainFtp(place))
        return;
    m_place = place;
    const PublishJob job = makeJob(action, place);
    PublishJobHooks hooks;
    hooks.stop = &m_stop;
    hooks.progress = [this](const PublishProgress &progress) {
        QMetaObject::invokeMethod(
            this, [this, progress] { showProgress(progress); }, Qt::QueuedConnection);
    };
    hooks.sending = [this](const QString &path) {
        QMetaObject::invokeMethod(
            this,
            [this, path] {
                // The time left is reckoned from the sending alone, not the preparing.
                if (!m_sendTimer.isValid())
                    m_sendTimer.start();
                m_ui->lblCurrentFile->setText(tr("Sending %1").arg(path));
            },
            Qt::QueuedConnection);
    };
    // Asked in the window's thread; the publish waits for the answer.
    hooks.confirm = [this](const QString &question) {
        bool yes = false;
        QMetaObject::invokeMethod(
            this, [this, &question, &yes] { yes = !m_stop && m_desktop.ask(this, question); },
            Qt::BlockingQueuedConnection);
        return yes;
    };
    m_stop = false;
    const bool sends = action == Action::Publish || action == Action::Undo;
    setWorking(true, sends);
    m_ui->lblStatus->setText(sends ? tr("Publishing to %1...").arg(job.address.display())
                                   : tr("Connecting to %1...").arg(job.address.display()));
    m_sendTimer.invalidate();
    m_worker = QThread::create([this, job, hooks] {
        const PublishJobResult result = runPublishJob(job, hooks);
        QMetaObject::invokeMethod(
            this, [this, job, result] { jobFinished(job, result); }, Qt::QueuedConnection);
    });
    connect(m_worker, &QThread::finished, m_worker, &QObject::deleteLater);
    m_worker->start();
}

// Plain FTP shows the password to anyone on the way; the user says once, for this site,
// that this is what they want.
bool frmPublish::mayUsePlainFtp(PublishPlace &place) {
    if (place.kind != Kind::Ftp || place.plainFtpAllowed)
        return true;
    if (!m_desktop.ask(this, tr("Plain FTP sends your password across the network readable: "
                                "anyone on the way can read it. Choose FTPS instead if your "
                                "host offers it.\n\nSend the password readable to %1 anyway?")
                                 .arg(place.host))) {
        m_ui->lblStatus->setText(tr("Nothing was sent. Choose FTPS or SFTP if your host offers "
                                    "them."));
        return false;
    }
    place.plainFtpAllowed = true;
    return true;
}

PublishJob frmPublish::makeJob(Action action, const PublishPlace &place) const {
    PublishJob job;
    job.action = action;
    job.siteFolder = m_siteFolder;
    job.address = place.address();
    job.publicAddress = QUrl(place.publicAddress, QUrl::StrictMode);
    if (!job.publicAddress.isValid() || job.publicAddress.scheme().isEmpty())
        job.publicAddress.clear();
    job.settings.version = QString::fromLatin1(QUILLSITE_VERSION);
    job.settings.jobs = place.kind == Kind::Git || place.kind == Kind::Folder ? 1 : 4;
    job.options.allowPlainFtp = place.plainFtpAllowed;
    job.options.pin = place.certificatePin;
    job.options.acceptHostKey = m_acceptedHostKey;
    if (place.kind == Kind::Sftp && place.signIn == PublishPlace::SignIn::KeyFile)
        job.options.identityFile = place.keyFile;
    const QString password = place.usesPassword() ? m_ui->txtPassword->text() : QString();
    job.options.password = [password]() -> std::optional<QString> {
        if (password.isEmpty())
            return std::nullopt;
        return password;
    };
    return job;
}

void frmPublish::setWorking(bool working, bool sending) {
    m_working = working;
    for (QWidget *control :
         {static_cast<QWidget *>(m_ui->cboKind), static_cast<QWidget *>(m_ui->txtHost),
          static_cast<QWidget *>(m_ui->spnPort), static_cast<QWidget *>(m_ui->txtUser),
          static_cast<QWidget *>(m_ui->txtRemoteFolder),
          static_cast<QWidget *>(m_ui->txtRepository), static_cast<QWidget *>(m_ui->txtBranch),
          static_cast<QWidget *>(m_ui->fraFolder), static_cast<QWidget *>(m_ui->cboSignIn),
          static_cast<QWidget *>(m_ui->txtPassword), static_cast<QWidget *>(m_ui->fraKeyFile),
          static_cast<QWidget *>(m_ui->txtAddress), static_cast<QWidget *>(m_ui->cmdTest),
          static_cast<QWidget *>(m_ui->cmdShowChanges), static_cast<QWidget *>(m_ui->cmdPublish)})
        control->setEnabled(!working);
    m_ui->chkRemember->setEnabled(!working && m_keyringAvailable);
    // The progress, and a way to stop, while files go up.
    for (QWidget *progress :
         {static_cast<QWidget *>(m_ui->cmdCancel), static_cast<QWidget *>(m_ui->prgPublish),
          static_cast<QWidget *>(m_ui->lblProgress), static_cast<QWidget *>(m_ui->lblCurrentFile)})
        progress->setVisible(sending);
    m_ui->cmdCancel->setEnabled(sending);
    if (working)
        m_ui->cmdUndo->setEnabled(false);
    if (sending) {
        m_ui->prgPublish->setValue(0);
        m_ui->lblProgress->clear();
        m_ui->lblCurrentFile->clear();
        m_ui->cmdCancel->setFocus(Qt::OtherFocusReason);
    }
}

void frmPublish::showProgress(const PublishProgress &progress) {
    if (!m_working)
        return;
    const qint64 total = std::max<qint64>(1, progress.bytesTotal);
    m_ui->prgPublish->setValue(int(progress.bytesDone * m_ui->prgPublish->maximum() / total));
    m_ui->lblProgress->setText(
        progressText(progress, m_sendTimer.isValid() ? m_sendTimer.elapsed() : 0));
}

void frmPublish::jobFinished(const PublishJob &job, const PublishJobResult &result) {
    setWorking(false);
    if (acceptedTrust(result)) {
        start(job.action);
        return;
    }
    const QString place = job.address.display();
    m_ui->lblStatus->setText(outcomeText(result, place));
    const bool reached = !result.openError.failed() && !result.busy && result.siteError.isEmpty();
    const bool published = (job.action == Action::Publish || job.action == Action::Undo) &&
                           result.status == PublishStatus::Done;
    if (reached) {
        rememberPlace(m_place);
        showChanges(result.plan, published);
    }
    if (published) {
        m_published = true;
        m_ui->cmdUndo->setEnabled(result.canUndo);
        m_ui->cmdOpenSite->setEnabled(!m_place.publicAddress.isEmpty() ||
                                      m_place.kind == Kind::Folder);
    }
    m_ui->cmdPublish->setFocus(Qt::OtherFocusReason);
}

// A server met for the first time: the user compares the fingerprint and decides. A
// changed key, or a certificate other than the one accepted, is never asked about.
bool frmPublish::acceptedTrust(const PublishJobResult &result) {
    const PublishError &error = result.openError;
    const bool certificate = m_place.kind != Kind::Sftp;
    // Asked once: a key accepted a moment ago that still fails is not asked about again.
    if (error.kind != PublishError::Kind::Trust || result.trustChanged ||
        (!certificate && !m_acceptedHostKey.isEmpty()))
        return false;
    if (!m_desktop.ask(this,
                       trustQuestion(m_place.address().display(), error.fingerprint, certificate)))
        return false;
    if (certificate)
        m_place.certificatePin = error.fingerprint;
    else
        m_acceptedHostKey = error.fingerprint;
    return true;
}

// Once the place answered: its settings for the next time, and the password where asked.
void frmPublish::rememberPlace(const PublishPlace &place) {
    savePublishPlace(m_siteFolder, place);
    if (!place.usesPassword() || !m_keyringAvailable)
        return;
    const QString key = place.address().display();
    if (!place.rememberPassword) {
        forgetInKeyring(this, key);
        return;
    }
    storeInKeyring(this, key, m_ui->txtPassword->text(), [this](const KeyringAnswer &answer) {
        if (!answer.problem.isEmpty())
            m_ui->lblStatus->setText(m_ui->lblStatus->text() + u"\n"_s + answer.problem);
    });
}

void frmPublish::showChanges(const PublishPlan &plan, bool published) {
    m_ui->lblChanges->setText(
        (published ? tr("Published: %1") : tr("Changes to publish: %1")).arg(changeCounts(plan)));
    m_ui->tblChanges->clear();
    const auto add = [this](const QStringList &paths, const QString &change) {
        for (const QString &path : paths)
            new QTreeWidgetItem(m_ui->tblChanges, {path, change});
    };
    add(plan.added, tr("New"));
    add(plan.changed, tr("Changed"));
    add(plan.removed, tr("Removed"));
}

void frmPublish::openSite() {
    if (!m_place.publicAddress.isEmpty())
        m_desktop.openUrl(QUrl(m_place.publicAddress));
    else
        m_desktop.openUrl(QUrl::fromLocalFile(m_place.folder + u"/index.htm"_s));
}

void frmPublish::reject() {
    if (m_working) {
        if (!m_desktop.ask(this, tr("A publish is running. Stop it after the file being sent, "
                                    "and close?")))
            return;
        stopWorker();
    }
    QDialog::reject();
}

void frmPublish::stopWorker() {
    if (!m_worker)
        return;
    m_stop = true;
    // A question from the publish may be on its way here; it is answered No while waiting.
    while (m_worker && !m_worker->wait(QDeadlineTimer(50)))
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace quillsite
