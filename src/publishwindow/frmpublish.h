// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "publishwindow/publishjob.h"
#include "publishwindow/publishplace.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>

#include <atomic>
#include <memory>

class QThread;

namespace Ui {
class frmPublish;
}

namespace quillsite {

class DesktopServices;

// Puts the built site in one folder on the web: where to, how to sign in, the
// changes before they are sent, the upload on a worker thread, and the outcome
// with a check over HTTP and an undo. What it needs to remember of the place
// is kept per site in the user's configuration, the password only in the keyring.
class frmPublish final : public QDialog {
    Q_OBJECT

public:
    // `desktop` asks the questions and opens addresses; it must outlive the dialog.
    frmPublish(DesktopServices &desktop, const QString &siteFolder, QWidget *parent = nullptr);
    ~frmPublish() override;

    bool isWorking() const { return m_working; }

public slots:
    void reject() override;

private:
    void setUpControls();
    void showPlace(const PublishPlace &place);
    PublishPlace placeFromFields() const;
    void updateRows();
    void kindChanged();
    void fillPasswordFromKeyring();
    void start(PublishJob::Action action);
    bool mayUsePlainFtp(PublishPlace &place);
    PublishJob makeJob(PublishJob::Action action, const PublishPlace &place) const;
    // `sending`: files go up, with progress and Cancel.
    void setWorking(bool working, bool sending = false);
    void showProgress(const PublishProgress &progress);
    void jobFinished(const PublishJob &job, const PublishJobResult &result);
    bool acceptedTrust(const PublishJobResult &result);
    void rememberPlace(const PublishPlace &place);
    // What the plan changes; `published` once it was sent.
    void showChanges(const PublishPlan &plan, bool published);
    void openSite();
    void stopWorker();

    std::unique_ptr<Ui::frmPublish> m_ui;
    DesktopServices &m_desktop;
    QString m_siteFolder;
    PublishPlace m_place; // as last used
    QString m_acceptedHostKey;
    bool m_keyringAvailable = true;
    bool m_working = false;
    bool m_published = false;
    QPointer<QThread> m_worker;
    std::atomic_bool m_stop = false;
    QElapsedTimer m_sendTimer; // since the first file started
};

} // namespace quillsite
