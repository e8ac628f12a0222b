// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/htmleditor.h"

#include <QHash>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <algorithm>
#include <csignal>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;
using namespace quillsite;

namespace {

constexpr int Timeout = 15000;

void selectContents(HtmlEditor &editor, const QString &selector) {
    QSignalSpy changed(&editor, &HtmlEditor::DisplayChanged);
    editor.findChild<QWebEngineView *>()->page()->runJavaScript(
        u"(() => { const s = document.getSelection(); s.removeAllRanges(); const r = "
        "document.createRange(); r.selectNodeContents(document.querySelector('%1')); "
        "s.addRange(r); })()"_s.arg(selector),
        QWebEngineScript::ApplicationWorld);
    QTRY_VERIFY_WITH_TIMEOUT(changed.count() > 0, Timeout);
}

} // namespace

// Ending a renderer process touches every editor of the program, so this runs on its own.
class tst_HtmlEditorRecovery : public QObject {
    Q_OBJECT

private slots:
    void rendererEnds_everyEditorItHeldRecovers();
    void rendererEndsAgainAndAgain_userIsToldAndTextKept();
};

void tst_HtmlEditorRecovery::rendererEnds_everyEditorItHeldRecovers() {
    // Four editors in at most two renderer processes: one process holds two or more.
    std::vector<std::unique_ptr<HtmlEditor>> editors;
    QHash<qint64, int> editorsOfProcess;
    for (int i = 0; i < 4; ++i) {
        editors.push_back(std::make_unique<HtmlEditor>(nullptr));
        HtmlEditor &editor = *editors.back();
        editor.setDocumentHTML(u"<p>page %1</p>"_s.arg(i));
        QVERIFY(editor.waitUntilCurrent());
        QCOMPARE(editor.bodyHTML(), u"<p>page %1</p>"_s.arg(i));
        selectContents(editor, u"p"_s);
        editor.ExecCommand(EditCommand::Italic);
        QVERIFY(editor.waitUntilCurrent());
        QCOMPARE(editor.bodyHTML(), u"<p><i>page %1</i></p>"_s.arg(i));
        ++editorsOfProcess[editor.findChild<QWebEngineView *>()->page()->renderProcessPid()];
    }
    const qint64 pid =
        std::max_element(editorsOfProcess.keyValueBegin(), editorsOfProcess.keyValueEnd(),
                         [](auto a, auto b) { return a.second < b.second; })
            ->first;
    QVERIFY(editorsOfProcess[pid] >= 2);

    std::vector<std::unique_ptr<QSignalSpy>> reports;
    for (auto &editor : editors) {
        const bool ends = editor->findChild<QWebEngineView *>()->page()->renderProcessPid() == pid;
        reports.push_back(
            ends ? std::make_unique<QSignalSpy>(editor.get(), &HtmlEditor::DisplayChanged)
                 : nullptr);
    }
    QVERIFY(::kill(pid_t(pid), SIGKILL) == 0);
    for (const auto &report : reports) {
        if (report)
            QTRY_VERIFY_WITH_TIMEOUT(report->count() > 0, Timeout);
    }
    for (int i = 0; i < 4; ++i) {
        QVERIFY(editors[i]->waitUntilCurrent());
        QCOMPARE(editors[i]->bodyHTML(), u"<p><i>page %1</i></p>"_s.arg(i));
        QCOMPARE(editors[i]->DocumentHTML(),
                 u"<html><head></head><body><p><i>page %1</i></p></body></html>"_s.arg(i));
        selectContents(*editors[i], u"p"_s);
        editors[i]->ExecCommand(EditCommand::Bold);
        QVERIFY(editors[i]->waitUntilCurrent());
        QCOMPARE(editors[i]->bodyHTML(), u"<p><i><b>page %1</b></i></p>"_s.arg(i));
    }

    // Editors made after the renderer ended work as ever.
    HtmlEditor later(nullptr);
    later.setDocumentHTML(u"<p>new</p>"_s);
    QVERIFY(later.waitUntilCurrent());
    QCOMPARE(later.bodyHTML(), u"<p>new</p>"_s);
    selectContents(later, u"p"_s);
    later.ExecCommand(EditCommand::Bold);
    QVERIFY(later.waitUntilCurrent());
    QCOMPARE(later.bodyHTML(), u"<p><b>new</b></p>"_s);
}

void tst_HtmlEditorRecovery::rendererEndsAgainAndAgain_userIsToldAndTextKept() {
    HtmlEditor editor(nullptr);
    editor.setDocumentHTML(u"<p>written</p>"_s);
    QVERIFY(editor.waitUntilCurrent());
    // Ended four times in a row, before the page could show the document once.
    auto *page = editor.findChild<QWebEnginePage *>();
    for (int end = 0; end < 4; ++end)
        emit page->renderProcessTerminated(QWebEnginePage::CrashedTerminationStatus, 11);
    QVERIFY2(editor.problem().contains(u"4 times"_s), qPrintable(editor.problem()));
    const auto *label = editor.findChild<QLabel *>();
    QVERIFY(label && label->isVisibleTo(&editor));
    QVERIFY(label->text().contains(editor.problem()));
    QCOMPARE(editor.bodyHTML(), u"<p>written</p>"_s);

    // The next command tries again in a new page, and acts on what was written.
    editor.setParagraphStyle(ParagraphStyle::Heading1);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), u"<h1>written</h1>"_s);
    QVERIFY(editor.problem().isEmpty());
    QVERIFY(!label->isVisibleTo(&editor));
}

QTEST_MAIN(tst_HtmlEditorRecovery)
#include "tst_htmleditorrecovery.moc"
