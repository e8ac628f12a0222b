// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publishwindow/publishoutcome.h"

#include <QTest>

using namespace quillsite;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(quillsite::PublishJobResult)

namespace {

using Action = PublishJob::Action;
using Kind = PublishError::Kind;

PublishJobResult ended(Action action, PublishStatus status) {
    PublishJobResult result;
    result.action = action;
    result.status = status;
    result.server = true;
    return result;
}

PublishJobResult notOpened(Kind kind, const QString &message, const QString &fingerprint = {}) {
    PublishJobResult result = ended(Action::Check, PublishStatus::Unreachable);
    result.openError = {kind, message, fingerprint};
    return result;
}

PublishPlan planOf(int added, int changed, int removed, int unchanged) {
    PublishPlan plan;
    for (int i = 0; i < added; ++i)
        plan.added << u"new%1.htm"_s.arg(i);
    for (int i = 0; i < changed; ++i)
        plan.changed << u"changed%1.htm"_s.arg(i);
    for (int i = 0; i < removed; ++i)
        plan.removed << u"old%1.htm"_s.arg(i);
    for (int i = 0; i < unchanged; ++i)
        plan.unchanged << u"same%1.htm"_s.arg(i);
    return plan;
}

} // namespace

// The dialog's words for how a job ended: what worked, what failed, what was sent, what to try.
class tst_PublishOutcome final : public QObject {
    Q_OBJECT

private slots:
    void outcome_saysWhatHappenedAndWhatToTry_data();
    void outcome_saysWhatHappenedAndWhatToTry();
    void progress_givesTimeLeftOnceMeasurable_data();
    void progress_givesTimeLeftOnceMeasurable();
};

void tst_PublishOutcome::outcome_saysWhatHappenedAndWhatToTry_data() {
    QTest::addColumn<PublishJobResult>("result");
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QStringList>("notSaid");

    PublishJobResult refused = notOpened(Kind::Connect, u"Connection refused"_s);
    refused.refused = true;
    QTest::newRow("refused") << refused << QStringList{u"refused the connection"_s, u"port"_s}
                             << QStringList{u"can't find"_s};
    PublishJobResult unknown = notOpened(Kind::Connect, u"Could not resolve"_s);
    unknown.noServer = true;
    QTest::newRow("unknown host") << unknown << QStringList{u"can't find the server"_s}
                                  << QStringList{u"refused"_s};
    QTest::newRow("unreachable") << notOpened(Kind::Connect, u"timed out"_s)
                                 << QStringList{u"can't reach"_s, u"timed out"_s} << QStringList();
    PublishJobResult folder = notOpened(Kind::Connect, u"The folder /x does not exist"_s);
    folder.server = false;
    QTest::newRow("unusable folder")
        << folder << QStringList{u"can't publish into"_s, u"/x does not"_s}
        << QStringList{u"host name"_s};
    // The layer's message names the command line's options; the dialog's words do not.
    QTest::newRow("wrong password") << notOpened(Kind::Authenticate, u"Set QUILLSITE_PASSWORD"_s)
                                    << QStringList{u"did not let you in"_s, u"Nothing was stored"_s}
                                    << QStringList{u"QUILLSITE_PASSWORD"_s};
    PublishJobResult changedKey = notOpened(Kind::Trust, u"The host key has changed"_s);
    changedKey.trustChanged = true;
    QTest::newRow("changed host key")
        << changedKey << QStringList{u"has changed"_s, u"nothing was sent"_s}
        << QStringList{u"accept"_s};
    PublishJobResult otherCertificate =
        notOpened(Kind::Trust, u"not the one pinned"_s, u"SHA256:def"_s);
    otherCertificate.trustChanged = true;
    QTest::newRow("certificate other than the accepted one")
        << otherCertificate << QStringList{u"has changed"_s, u"nothing was sent"_s}
        << QStringList{u"did not accept"_s};
    QTest::newRow("refused fingerprint")
        << notOpened(Kind::Trust, u"--accept-host-key SHA256:abc"_s, u"SHA256:abc"_s)
        << QStringList{u"did not accept the key"_s} << QStringList{u"--accept-host-key"_s};

    PublishJobResult readOnly = ended(Action::Check, PublishStatus::Failed);
    readOnly.errors = {u"host does not allow you to write x (permission denied)."_s};
    QTest::newRow("can't write there")
        << readOnly << QStringList{u"can't write there"_s, u"permission denied"_s} << QStringList();
    PublishJobResult checked = ended(Action::Check, PublishStatus::Done);
    checked.plan = planOf(3, 0, 0, 0);
    checked.warnings = {u"The server's folder holds index.html"_s};
    QTest::newRow("works, index.html warned")
        << checked
        << QStringList{u"can write there"_s, u"Note: The server's folder holds index.html"_s}
        << QStringList();

    PublishJobResult stopped = ended(Action::Publish, PublishStatus::Failed);
    stopped.stopped = true;
    stopped.sentFiles = 2;
    stopped.toSend = 5;
    QTest::newRow("stopped by the user")
        << stopped << QStringList{u"Stopped as you asked"_s, u"2 of 5 files"_s, u"press Publish"_s}
        << QStringList();
    PublishJobResult lost = ended(Action::Publish, PublishStatus::Failed);
    lost.errors = {u"The connection to host was lost."_s};
    lost.toSend = 4;
    QTest::newRow("failed mid-way")
        << lost
        << QStringList{u"did not complete"_s, u"connection to host was lost"_s, u"0 of 4 files"_s,
                       u"nothing is lost"_s}
        << QStringList{u"Stopped as you asked"_s};
    QTest::newRow("safety question answered no")
        << ended(Action::Publish, PublishStatus::StoppedForSafety)
        << QStringList{u"did not agree"_s, u"answer Yes"_s} << QStringList{u"--yes"_s};

    PublishJobResult published = ended(Action::Publish, PublishStatus::Done);
    published.plan = planOf(1, 1, 0, 2);
    published.verifiedFiles = 2;
    QTest::newRow("published and served")
        << published
        << QStringList{u"Published to "_s, u"1 new, 1 changed, 0 removed, 2 unchanged"_s,
                       u"the 2 changed pages and pictures are served"_s}
        << QStringList();
    published.verifyDifferences = {u"about.htm: differs"_s};
    QTest::newRow("published, served otherwise")
        << published << QStringList{u"not what was sent"_s, u"about.htm: differs"_s}
        << QStringList{u"are served as they were sent"_s};
    QTest::newRow("nothing to publish")
        << ended(Action::Publish, PublishStatus::Done) << QStringList{u"Nothing to publish"_s}
        << QStringList{u"Published to"_s};
    PublishJobResult busy = ended(Action::Publish, PublishStatus::Failed);
    busy.busy = true;
    QTest::newRow("another publish runs")
        << busy << QStringList{u"Another publish"_s} << QStringList();
    PublishJobResult noVersion = ended(Action::Undo, PublishStatus::Failed);
    noVersion.siteError = u"only one version"_s;
    QTest::newRow("undo without an earlier version")
        << noVersion << QStringList{u"no earlier version"_s, u"only one version"_s}
        << QStringList();
}

void tst_PublishOutcome::outcome_saysWhatHappenedAndWhatToTry() {
    QFETCH(PublishJobResult, result);
    QFETCH(QStringList, said);
    QFETCH(QStringList, notSaid);
    const QString text = outcomeText(result, u"sftp://ann@example.org/www"_s);
    for (const QString &words : said)
        QVERIFY2(text.contains(words), qPrintable(words + u" not in: "_s + text));
    for (const QString &words : notSaid)
        QVERIFY2(!text.contains(words), qPrintable(words + u" in: "_s + text));
}

void tst_PublishOutcome::progress_givesTimeLeftOnceMeasurable_data() {
    QTest::addColumn<qint64>("bytesDone");
    QTest::addColumn<qint64>("elapsed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a quarter in 2 s")
        << qint64(25) << qint64(2000)
        << u"1 of 4 files, 25 bytes of 100 bytes, about 6 seconds left"_s;
    QTest::newRow("too early to tell")
        << qint64(25) << qint64(500) << u"1 of 4 files, 25 bytes of 100 bytes"_s;
    QTest::newRow("nothing sent yet")
        << qint64(0) << qint64(5000) << u"1 of 4 files, 0 bytes of 100 bytes"_s;
}

void tst_PublishOutcome::progress_givesTimeLeftOnceMeasurable() {
    QFETCH(qint64, bytesDone);
    QFETCH(qint64, elapsed);
    QLocale::setDefault(QLocale::c());
    const PublishProgress progress{1, 4, bytesDone, 100};
    QTEST(progressText(progress, elapsed), "expected");
}

QTEST_GUILESS_MAIN(tst_PublishOutcome)
#include "tst_publishoutcome.moc"
