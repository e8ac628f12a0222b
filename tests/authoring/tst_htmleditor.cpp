// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/htmleditor.h"
#include "fakeeditordialogs.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

using namespace Qt::StringLiterals;
using namespace quillsite;

namespace {

constexpr int Timeout = 15000;

// Sets the selection as a user would with the mouse, through the editor's own script world,
// and waits for the editor to report it.
void select(HtmlEditor &editor, const QString &selectionScript) {
    QSignalSpy changed(&editor, &HtmlEditor::DisplayChanged);
    editor.findChild<QWebEngineView *>()->page()->runJavaScript(
        u"(() => { const s = document.getSelection(); s.removeAllRanges(); const r = "
        "document.createRange(); %1; s.addRange(r); })()"_s.arg(selectionScript),
        QWebEngineScript::ApplicationWorld);
    QTRY_VERIFY_WITH_TIMEOUT(changed.count() > 0, Timeout);
}

// Selects all text of the first element matching selector.
void selectContents(HtmlEditor &editor, const QString &selector) {
    select(editor, u"r.selectNodeContents(document.querySelector('%1'))"_s.arg(selector));
}

// Puts the caret at offset within the first text node of the element matching selector.
void placeCaret(HtmlEditor &editor, const QString &selector, int offset) {
    select(editor, u"r.setStart(document.querySelector('%1').firstChild, %2); r.collapse(true)"_s
                       .arg(selector)
                       .arg(offset));
}

// What the engine computes for a property of the first element matching selector.
QString computedStyle(HtmlEditor &editor, const QString &selector, const QString &property) {
    std::optional<QString> value;
    editor.findChild<QWebEngineView *>()->page()->runJavaScript(
        u"getComputedStyle(document.querySelector('%1')).getPropertyValue('%2')"_s.arg(selector,
                                                                                       property),
        QWebEngineScript::ApplicationWorld,
        [&value](const QVariant &result) { value = result.toString(); });
    if (!QTest::qWaitFor([&] { return value.has_value(); }, Timeout))
        return u"(no answer)"_s;
    return *value;
}

// The texts of the context menu that a right click on the text of the first element
// matching selector opens; the menu is closed again.
QStringList contextMenuAt(HtmlEditor &editor, const QString &selector) {
    std::optional<QPoint> point;
    editor.findChild<QWebEngineView *>()->page()->runJavaScript(
        u"(() => { const r = document.createRange(); "
        "r.selectNodeContents(document.querySelector('%1')); "
        "const b = r.getBoundingClientRect(); return [b.x + b.width / 2, b.y + b.height / 2]; })()"_s
            .arg(selector),
        QWebEngineScript::ApplicationWorld, [&point](const QVariant &result) {
            const QVariantList xy = result.toList();
            point = QPoint(xy.value(0).toInt(), xy.value(1).toInt());
        });
    if (!QTest::qWaitFor([&] { return point.has_value(); }, Timeout))
        return {};
    QStringList texts;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&texts] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (const QAction *action : menu->actions())
            texts.append(action->text());
        menu->close();
    });
    poll.start(20);
    QTest::mouseClick(editor.findChild<QWebEngineView *>()->focusProxy(), Qt::RightButton, {},
                      *point);
    if (!QTest::qWaitFor([&texts] { return !texts.isEmpty(); }, Timeout))
        return {u"(no menu)"_s};
    return texts;
}

// Runs the editor's page script in its page once more, as the engine sometimes does.
void runEditorScriptAgain(HtmlEditor &editor) {
    QWebEnginePage *page = editor.findChild<QWebEngineView *>()->page();
    const QList<QWebEngineScript> scripts = page->scripts().find(u"quillsite-editor"_s);
    QCOMPARE(scripts.size(), 1);
    page->runJavaScript(scripts.first().sourceCode(), QWebEngineScript::ApplicationWorld);
}

// Shows the editor in a window of its own, as the user sees it.
bool showOnScreen(HtmlEditor &editor) {
    editor.resize(400, 300);
    editor.show();
    return QTest::qWaitForWindowExposed(&editor);
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

} // namespace

class tst_HtmlEditor : public QObject {
    Q_OBJECT

private slots:
    void freshEditor_holdsEmptyDocument();
    void loadDocument_bodyIsTheFilesBody();
    void loadDocument_windows1252File_isDecoded();
    void loadDocument_missingFile_failsWithReason();
    void documentHtml_writtenIntoAnotherEditor_keepsHead();
    void setDocumentHtml_largeDocument_isShownWhole();
    void documentMovedToNewEditor_readsTheSame();
    void documentScripts_doNotRun();
    void bold_onSelection_wrapsSelectionInBold();
    void queryStatus_followsCaret();
    void alignment_latchesOnlyTheParagraphsAlignment_data();
    void alignment_latchesOnlyTheParagraphsAlignment();
    void lists_wrapParagraphInList_data();
    void lists_wrapParagraphInList();
    void command_beforePageIsReady_isCarriedOutInOrder();
    void hyperlink_data();
    void hyperlink();
    void image_answered_insertsOrChangesPicture_data();
    void image_answered_insertsOrChangesPicture();
    void pictures_areShownNoWiderThanThePage();
    void pictureFromOutside_isAskedForAsIfBrowsed_data();
    void pictureFromOutside_isAskedForAsIfBrowsed();
    void font_answered_formatsSelection();
    void queryStatus_dialogCommandsAndUnknown();
    void keyboard_formatsUndoesAndStartsParagraphs();
    void typingIntoEmptyPage_startsParagraph();
    void displayChangedHandler_commandThenRead_seesTheCommand();
    void paste_keepsFormattingDropsWhatRuns();
    void styleSheet_restylesWithoutTouchingDocument();
    void paragraphStyle_data();
    void paragraphStyle();
    void cleanHtml5_data();
    void cleanHtml5();
    void focusAtStart_typingGoesToDocumentStart();
    void contextMenu_offersSpellingAndParagraphStyles();
    void releasePage_onlyWhenTheUserLeftNothing_data();
    void releasePage_onlyWhenTheUserLeftNothing();
};

void tst_HtmlEditor::freshEditor_holdsEmptyDocument() {
    HtmlEditor editor(nullptr);
    const QString expected =
        u"<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body></body></html>"_s;
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.DocumentHTML(), expected);
    QCOMPARE(editor.bodyHTML(), QString());
    // Its page, made when needed, reports the same document.
    QVERIFY(!editor.hasPage());
    QSignalSpy changed(&editor, &HtmlEditor::DisplayChanged);
    editor.preparePage();
    QTRY_VERIFY_WITH_TIMEOUT(changed.count() > 0, Timeout);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.DocumentHTML(), expected);
}

void tst_HtmlEditor::loadDocument_bodyIsTheFilesBody() {
    QTemporaryDir dir;
    const QString path = writeFile(dir, u"page.htm"_s,
                                   "<html><head><title>T</title></head>"
                                   "<body><p>Hello <i>there</i></p></body></html>");
    HtmlEditor editor(nullptr);
    QCOMPARE(editor.LoadDocument(path), QString());
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), u"<p>Hello <i>there</i></p>"_s);
    QCOMPARE(editor.baseUrl(), QUrl::fromLocalFile(dir.path() + u'/'));
}

void tst_HtmlEditor::loadDocument_windows1252File_isDecoded() {
    QTemporaryDir dir;
    const QString path = writeFile(dir, u"old.htm"_s, "<body><p>caf\xe9 \x80</p></body>");
    HtmlEditor editor(nullptr);
    QCOMPARE(editor.LoadDocument(path), QString());
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), u"<p>caf\u00e9 \u20ac</p>"_s);
}

void tst_HtmlEditor::loadDocument_missingFile_failsWithReason() {
    QTemporaryDir dir;
    HtmlEditor editor(nullptr);
    editor.setDocumentHTML(u"<p>kept</p>"_s);
    const QString error = editor.LoadDocument(dir.filePath(u"missing.htm"_s));
    QVERIFY2(error.contains(u"missing.htm"_s), qPrintable(error));
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), u"<p>kept</p>"_s);
}

void tst_HtmlEditor::documentHtml_writtenIntoAnotherEditor_keepsHead() {
    QTemporaryDir dir;
    const QString path = writeFile(dir, u"styled.htm"_s,
                                   "<!DOCTYPE html><html lang=\"en\"><head><title>News</title>"
                                   "<style>p { color: red; }</style></head>"
                                   "<body class=\"main\"><p>Today</p></body></html>");
    HtmlEditor first(nullptr);
    QCOMPARE(first.LoadDocument(path), QString());
    QVERIFY(first.waitUntilCurrent());
    const QString html = first.DocumentHTML();
    QVERIFY(html.startsWith(u"<!DOCTYPE html>"_s));
    QVERIFY(html.contains(u"<title>News</title>"_s));
    QVERIFY(html.contains(u"<style>p { color: red; }</style>"_s));

    HtmlEditor second(nullptr);
    second.setDocumentHTML(html);
    QVERIFY(second.waitUntilCurrent());
    QCOMPARE(second.DocumentHTML(), html);
    QCOMPARE(second.bodyHTML(), u"<p>Today</p>"_s);
}

void tst_HtmlEditor::setDocumentHtml_largeDocument_isShownWhole() {
    const QString paragraph = u"<p>Lorem ipsum dolor sit amet, \u00e9l\u00e8ve.</p>"_s;
    const QString body = paragraph.repeated(60000); // well over 2 MB
    HtmlEditor editor(nullptr);
    editor.setDocumentHTML(u"<!DOCTYPE html><html><head><title>Big</title></head><body>"_s + body +
                           u"</body></html>"_s);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML().size(), body.size());
    QVERIFY(editor.bodyHTML() == body);
    QVERIFY(editor.DocumentHTML().contains(u"<title>Big</title>"_s));
}

void tst_HtmlEditor::documentMovedToNewEditor_readsTheSame() {
    HtmlEditor from(nullptr);
    from.setDocumentHTML(
        u"<html><head><title>Moved</title></head><body><p>along</p></body></html>"_s);
    QVERIFY(from.waitUntilCurrent());
    const QString html = from.DocumentHTML();

    HtmlEditor to(nullptr);
    to.setDocumentHTML(html);

    QVERIFY(to.waitUntilCurrent());
    QCOMPARE(to.DocumentHTML(), html);
    QCOMPARE(to.bodyHTML(), u"<p>along</p>"_s);
}

void tst_HtmlEditor::documentScripts_doNotRun() {
    QTemporaryDir dir;
    const QString path =
        writeFile(dir, u"script.htm"_s,
                  "<body onload=\"document.body.className = 'loaded'\"><p id=\"t\">original</p>"
                  "<script>document.getElementById('t').textContent = 'changed';</script>"
                  "</body>");
    HtmlEditor editor(nullptr);
    QCOMPARE(editor.LoadDocument(path), QString());
    QVERIFY(editor.waitUntilCurrent());
    QVERIFY(editor.bodyHTML().startsWith(u"<p id=\"t\">original</p>"_s));
    QVERIFY(!editor.DocumentHTML().contains(u"class=\"loaded\""_s));
}

void tst_HtmlEditor::bold_onSelection_wrapsSelectionInBold() {
    HtmlEditor editor(nullptr);
    editor.setDocumentHTML(u"<p>plain</p>"_s);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), u"<p>plain</p>"_s);
    selectContents(editor, u"p"_s);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.QueryStatus(EditCommand::Bold), CommandStatus::Enabled);

    QSignalSpy changed(&editor, &HtmlEditor::DisplayChanged);
    editor.ExecCommand(EditCommand::Bold);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), u"<p><b>plain</b></p>"_s);
    QCOMPARE(editor.QueryStatus(EditCommand::Bold), CommandStatus::Latched);
    QVERIFY(changed.count() > 0);

    editor.ExecCommand(EditCommand::Bold);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), u"<p>plain</p>"_s);
    QCOMPARE(editor.QueryStatus(EditCommand::Bold), CommandStatus::Enabled);
}

void tst_HtmlEditor::queryStatus_followsCaret() {
    HtmlEditor editor(nullptr);
    editor.setDocumentHTML(u"<p><b>strong</b><i>slanted</i></p>"_s);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), u"<p><b>strong</b><i>slanted</i></p>"_s);

    placeCaret(editor, u"b"_s, 3);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.QueryStatus(EditCommand::Bold), CommandStatus::Latched);
    QCOMPARE(editor.QueryStatus(EditCommand::Italic), CommandStatus::Enabled);

    placeCaret(editor, u"i"_s, 3);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.QueryStatus(EditCommand::Bold), CommandStatus::Enabled);
    QCOMPARE(editor.QueryStatus(EditCommand::Italic), CommandStatus::Latched);
}

void tst_HtmlEditor::alignment_latchesOnlyTheParagraphsAlignment_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<std::optional<EditCommand>>("latched");

    using Latched = std::optional<EditCommand>;
    QTest::newRow("centred paragraph")
        << u"<p style=\"text-align: center\">x</p>"_s << Latched(EditCommand::JustifyCenter);
    QTest::newRow("right-aligned paragraph")
        << u"<p align=\"right\">x</p>"_s << Latched(EditCommand::JustifyRight);
    QTest::newRow("left-aligned paragraph")
        << u"<p style=\"text-align: left\">x</p>"_s << Latched(EditCommand::JustifyLeft);
    QTest::newRow("paragraph without alignment")
        << u"<p>x</p>"_s << Latched(EditCommand::JustifyLeft);
    QTest::newRow("justified paragraph")
        << u"<p style=\"text-align: justify\">x</p>"_s << Latched();
}

void tst_HtmlEditor::alignment_latchesOnlyTheParagraphsAlignment() {
    QFETCH(QString, body);
    QFETCH(std::optional<EditCommand>, latched);

    HtmlEditor editor(nullptr);
    editor.setDocumentHTML(body);
    QVERIFY(editor.waitUntilCurrent());
    QVERIFY(editor.bodyHTML().endsWith(u">x</p>"_s)); // an align attribute is read out as CSS
    placeCaret(editor, u"p"_s, 1);
    for (EditCommand command :
         {EditCommand::JustifyLeft, EditCommand::JustifyCenter, EditCommand::JustifyRight}) {
        QVERIFY(editor.waitUntilCurrent());
        QCOMPARE(editor.QueryStatus(command) == CommandStatus::Latched, command == latched);
    }
}

void tst_HtmlEditor::lists_wrapParagraphInList_data() {
    QTest::addColumn<EditCommand>("command");
    QTest::addColumn<QString>("expected");

    QTest::newRow("ordered") << EditCommand::OrderedList << u"<ol><li>item</li></ol>"_s;
    QTest::newRow("unordered") << EditCommand::UnorderedList << u"<ul><li>item</li></ul>"_s;
}

void tst_HtmlEditor::lists_wrapParagraphInList() {
    QFETCH(EditCommand, command);
    QFETCH(QString, expected);

    HtmlEditor editor(nullptr);
    editor.setDocumentHTML(u"<p>item</p>"_s);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), u"<p>item</p>"_s);
    placeCaret(editor, u"p"_s, 2);
    QVERIFY(editor.waitUntilCurrent());
    QVERIFY(editor.QueryStatus(command) != CommandStatus::Latched);
    editor.ExecCommand(command);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), expected);
    QCOMPARE(editor.QueryStatus(command), CommandStatus::Latched);

    editor.ExecCommand(command);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), u"<p>item</p>"_s);
    QVERIFY(editor.QueryStatus(command) != CommandStatus::Latched);
}

void tst_HtmlEditor::command_beforePageIsReady_isCarriedOutInOrder() {
    FakeEditorDialogs dialogs;
    dialogs.imageAnswers = {ImageChoice{u"a.png"_s, u"A"_s}};
    HtmlEditor editor(&dialogs);
    editor.setDocumentHTML(u"<p>text</p>"_s);
    // The page has not answered yet: the question waits for it, the command for the answer.
    editor.ExecCommand(EditCommand::Image);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), u"<p>text<img src=\"a.png\" alt=\"A\"></p>"_s);
}

void tst_HtmlEditor::hyperlink_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<bool>("caretInLink"); // else the paragraph is selected
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QString>("body");

    const QString linked = u"<p><a href=\"old.htm\">page</a> after</p>"_s;
    QTest::newRow("answered")
        << u"<p>go there</p>"_s << false << QStringList{u"https://example.com/a?b=1&c=2"_s}
        << QString() << u"<p><a href=\"https://example.com/a?b=1&amp;c=2\">go there</a></p>"_s;
    QTest::newRow("cancelled") << u"<p>stay</p>"_s << false << QStringList() << QString()
                               << u"<p>stay</p>"_s;
    QTest::newRow("in a link, changed")
        << linked << true << QStringList{u"new.htm"_s} << u"old.htm"_s
        << u"<p><a href=\"new.htm\">page</a> after</p>"_s;
    QTest::newRow("in a link, emptied")
        << linked << true << QStringList{QString()} << u"old.htm"_s << u"<p>page after</p>"_s;
}

void tst_HtmlEditor::hyperlink() {
    QFETCH(QString, html);
    QFETCH(bool, caretInLink);
    QFETCH(QStringList, answers);
    QFETCH(QString, offered);
    QFETCH(QString, body);

    FakeEditorDialogs dialogs;
    dialogs.linkAnswers = answers;
    HtmlEditor editor(&dialogs);
    editor.setDocumentHTML(html);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), html);
    if (caretInLink)
        placeCaret(editor, u"a"_s, 2);
    else
        selectContents(editor, u"p"_s);
    editor.ExecCommand(EditCommand::Hyperlink);
    QCOMPARE(dialogs.linkQuestions, QStringList{offered});
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), body);
}

void tst_HtmlEditor::image_answered_insertsOrChangesPicture_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<ImageChoice>("answer");
    QTest::addColumn<std::optional<ImageChoice>>("offered");
    QTest::addColumn<QString>("changed");

    const QString cat = u"<p>a<img src=\"cat.jpg\" alt=\"Cat\" class=\"x\">b</p>"_s;
    const ImageChoice catOwnSize{u"cat.jpg"_s, u"Cat"_s, PictureSize::Own};
    QTest::newRow("made small, other attributes kept")
        << cat << ImageChoice{u"cat.jpg"_s, u"Cat"_s, PictureSize::Small}
        << std::optional(catOwnSize)
        << u"<p>a<img src=\"cat.jpg\" alt=\"Cat\" class=\"x\" style=\"width: 33%;\">b</p>"_s;
    QTest::newRow("new alternative text")
        << cat << ImageChoice{u"cat.jpg"_s, u"Our cat"_s, PictureSize::Own}
        << std::optional(catOwnSize)
        << u"<p>a<img src=\"cat.jpg\" alt=\"Our cat\" class=\"x\">b</p>"_s;
    QTest::newRow("full width back to its own size")
        << u"<p>a<img src=\"dog.png\" alt=\"\" style=\"width: 100%;\">b</p>"_s
        << ImageChoice{u"dog.png"_s, u"Dog"_s, PictureSize::Own}
        << std::optional(ImageChoice{u"dog.png"_s, QString(), PictureSize::FullWidth})
        << u"<p>a<img src=\"dog.png\" alt=\"Dog\">b</p>"_s;
    QTest::newRow("nothing selected: a new picture, medium")
        << u"<p>ab</p>"_s << ImageChoice{u"new.png"_s, u"N"_s, PictureSize::Medium}
        << std::optional<ImageChoice>()
        << u"<p>ab<img src=\"new.png\" alt=\"N\" style=\"width: 50%;\"></p>"_s;
    QTest::newRow("nothing selected: quotes in the text, blank in the address")
        << u"<p>ab</p>"_s
        << ImageChoice{u"file:///tmp/my%20photo.jpg"_s, u"Me \"smiling\""_s, PictureSize::Own}
        << std::optional<ImageChoice>()
        << u"<p>ab<img src=\"file:///tmp/my%20photo.jpg\" alt=\"Me &quot;smiling&quot;\"></p>"_s;
}

void tst_HtmlEditor::image_answered_insertsOrChangesPicture() {
    QFETCH(QString, body);
    QFETCH(ImageChoice, answer);
    QFETCH(std::optional<ImageChoice>, offered);
    QFETCH(QString, changed);
    FakeEditorDialogs dialogs;
    dialogs.imageAnswers = {answer};
    HtmlEditor editor(&dialogs);
    editor.setDocumentHTML(body);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), body);
    if (offered)
        select(editor, u"r.selectNode(document.querySelector('img'))"_s);
    else
        placeCaret(editor, u"p"_s, 2);
    editor.ExecCommand(EditCommand::Image);
    QCOMPARE(dialogs.imageQuestions.size(), 1);
    const std::optional<ImageChoice> asked = dialogs.imageQuestions.first();
    QCOMPARE(asked.has_value(), offered.has_value());
    if (offered) {
        QCOMPARE(asked->address, offered->address);
        QCOMPARE(asked->alternativeText, offered->alternativeText);
        QCOMPARE(asked->size, offered->size);
    }
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), changed);
}

// A photo far wider than the editor is shown at the editor's width, in proportion.
void tst_HtmlEditor::pictures_areShownNoWiderThanThePage() {
    HtmlEditor editor(nullptr);
    editor.resize(400, 300);
    editor.setDocumentHTML(u"<p><img width=\"2400\" height=\"1600\" alt=\"\"></p>"_s);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), u"<p><img width=\"2400\" height=\"1600\" alt=\"\"></p>"_s);
    QWebEnginePage *page = editor.findChild<QWebEngineView *>()->page();
    std::optional<QVariantList> size;
    page->runJavaScript(u"(() => { const i = document.querySelector('img'); "
                        "return [i.width, i.height, document.body.clientWidth]; })()"_s,
                        QWebEngineScript::ApplicationWorld,
                        [&size](const QVariant &result) { size = result.toList(); });
    QTRY_VERIFY_WITH_TIMEOUT(size.has_value(), Timeout);
    QCOMPARE(size->size(), 3);
    const int width = size->at(0).toInt();
    QVERIFY2(width > 0 && width <= size->at(2).toInt(), qPrintable(QString::number(width)));
    QCOMPARE(size->at(1).toInt(), width * 2 / 3);
}

void tst_HtmlEditor::pictureFromOutside_isAskedForAsIfBrowsed_data() {
    QTest::addColumn<QString>("event"); // made from the DataTransfer `d`
    QTest::addColumn<QString>("data");  // fills `d`
    QTest::addColumn<QString>("offered");

    const QString pixel =
        u"iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8z8BQDwAEhQGAhKmMIQAAAABJRU5ErkJggg=="_s;
    const QString screenshot =
        u"d.items.add(new File([Uint8Array.from(atob('%1'), (c) => c.charCodeAt(0))], "
        "'shot.png', {type: 'image/png'}))"_s.arg(pixel);
    const QString paste = u"new ClipboardEvent('paste', {clipboardData: d, bubbles: true, "
                          "cancelable: true})"_s;
    const QString drop = u"new DragEvent('drop', {dataTransfer: d, bubbles: true, cancelable: "
                         "true, clientX: 5, clientY: 5})"_s;
    const QString photoFile = u"d.setData('text/uri-list', 'file:///home/me/Cat%20Photo.JPG')"_s;
    QTest::newRow("screenshot pasted")
        << paste << screenshot << u"data:image/png;base64,"_s + pixel;
    QTest::newRow("photo file pasted")
        << paste << photoFile << u"file:///home/me/Cat%20Photo.JPG"_s;
    QTest::newRow("photo file dropped")
        << drop << photoFile << u"file:///home/me/Cat%20Photo.JPG"_s;
    QTest::newRow("screenshot dropped")
        << drop << screenshot << u"data:image/png;base64,"_s + pixel;
}

void tst_HtmlEditor::pictureFromOutside_isAskedForAsIfBrowsed() {
    QFETCH(QString, event);
    QFETCH(QString, data);
    QFETCH(QString, offered);
    FakeEditorDialogs dialogs;
    dialogs.imageAnswers = {ImageChoice{u"answer.png"_s, u"Shot"_s}};
    HtmlEditor editor(&dialogs);
    editor.setDocumentHTML(u"<p>ab</p>"_s);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), u"<p>ab</p>"_s);
    placeCaret(editor, u"p"_s, 2);
    editor.findChild<QWebEngineView *>()->page()->runJavaScript(
        u"(() => { const d = new DataTransfer(); %1; document.body.dispatchEvent(%2); })()"_s.arg(
            data, event),
        QWebEngineScript::ApplicationWorld);

    QTRY_COMPARE_WITH_TIMEOUT(dialogs.imageQuestions.size(), 1, Timeout);
    QVERIFY(dialogs.imageQuestions.first().has_value());
    QCOMPARE(dialogs.imageQuestions.first()->address, offered);
    QTRY_VERIFY2_WITH_TIMEOUT(
        editor.bodyHTML().contains(u"<img src=\"answer.png\" alt=\"Shot\">"_s),
        qPrintable(editor.bodyHTML()), Timeout);
}

void tst_HtmlEditor::font_answered_formatsSelection() {
    FakeEditorDialogs dialogs;
    dialogs.fontAnswers = {FontChoice{u"Verdana"_s, 18, QColor(Qt::red), std::nullopt}};
    HtmlEditor editor(&dialogs);
    editor.setDocumentHTML(u"<p>word</p>"_s);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), u"<p>word</p>"_s);
    selectContents(editor, u"p"_s);
    editor.ExecCommand(EditCommand::Font);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), u"<p><span style=\"font-family: Verdana; font-size: x-large; "
                                "color: rgb(255, 0, 0);\">word</span></p>"_s);

    // The font now at the selection is what the dialog is offered next time.
    editor.ExecCommand(EditCommand::Font);
    QCOMPARE(dialogs.fontQuestions.size(), 2);
    QCOMPARE(dialogs.fontQuestions[1].family, u"Verdana"_s);
    QCOMPARE(dialogs.fontQuestions[1].pointSize, 18);
    QCOMPARE(dialogs.fontQuestions[1].color, QColor(Qt::red));
}

void tst_HtmlEditor::queryStatus_dialogCommandsAndUnknown() {
    FakeEditorDialogs dialogs;
    HtmlEditor withDialogs(&dialogs);
    HtmlEditor withoutDialogs(nullptr);
    for (EditCommand command : {EditCommand::Hyperlink, EditCommand::Image, EditCommand::Font}) {
        QCOMPARE(withDialogs.QueryStatus(command), CommandStatus::Enabled);
        QCOMPARE(withoutDialogs.QueryStatus(command), CommandStatus::Disabled);
    }
    QCOMPARE(withDialogs.QueryStatus(EditCommand(4242)), CommandStatus::NotSupported);
    withDialogs.ExecCommand(EditCommand(4242));
    QCOMPARE(dialogs.questionCount(), 0);
}

void tst_HtmlEditor::keyboard_formatsUndoesAndStartsParagraphs() {
    FakeEditorDialogs dialogs;
    HtmlEditor editor(&dialogs);
    QVERIFY(showOnScreen(editor));
    editor.setDocumentHTML(u"<p>abc</p>"_s);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), u"<p>abc</p>"_s);
    editor.setFocus();
    QWidget *keys = editor.findChild<QWebEngineView *>()->focusProxy();
    QVERIFY(keys);
    // The engine may run the editor's script in one document twice; each key acts once.
    runEditorScriptAgain(editor);
    selectContents(editor, u"p"_s);

    QTest::keyClick(keys, Qt::Key_B, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(editor.bodyHTML(), u"<p><b>abc</b></p>"_s, Timeout);
    QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(editor.bodyHTML(), u"<p>abc</p>"_s, Timeout);
    QTest::keyClick(keys, Qt::Key_Y, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(editor.bodyHTML(), u"<p><b>abc</b></p>"_s, Timeout);
    QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(editor.bodyHTML(), u"<p>abc</p>"_s, Timeout);
    QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_COMPARE_WITH_TIMEOUT(editor.bodyHTML(), u"<p><b>abc</b></p>"_s, Timeout);

    QTest::keyClick(keys, Qt::Key_End);
    QTest::keyClick(keys, Qt::Key_Return);
    QTest::keyClicks(keys, u"x"_s);
    QTRY_COMPARE_WITH_TIMEOUT(editor.bodyHTML(), u"<p><b>abc</b></p><p><b>x</b></p>"_s, Timeout);

    // Paragraph styles as word processors have them.
    QTest::keyClick(keys, Qt::Key_2, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(editor.bodyHTML(), u"<p><b>abc</b></p><h2><b>x</b></h2>"_s, Timeout);
    QTest::keyClick(keys, Qt::Key_0, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(editor.bodyHTML(), u"<p><b>abc</b></p><p><b>x</b></p>"_s, Timeout);

    // Ctrl+K asks for a link instead of deleting the selection.
    dialogs.linkAnswers = {u"https://example.org/"_s};
    selectContents(editor, u"p"_s);
    QTest::keyClick(keys, Qt::Key_K, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.linkQuestions.size(), 1, Timeout);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(),
             u"<p><b><a href=\"https://example.org/\">abc</a></b></p><p><b>x</b></p>"_s);
    QCOMPARE(dialogs.linkQuestions.size(), 1);
}

void tst_HtmlEditor::typingIntoEmptyPage_startsParagraph() {
    HtmlEditor editor(nullptr);
    QVERIFY(showOnScreen(editor));
    editor.setDocumentHTML(u"<!DOCTYPE html><html><head></head><body></body></html>"_s);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), QString());
    editor.setFocus();
    QWidget *keys = editor.findChild<QWebEngineView *>()->focusProxy();
    QVERIFY(keys);
    // The caret in the empty body, as a click into the page puts it.
    selectContents(editor, u"body"_s);

    QTest::keyClicks(keys, u"Hi"_s);
    QTRY_COMPARE_WITH_TIMEOUT(editor.bodyHTML(), u"<p>Hi</p>"_s, Timeout);
    QTest::keyClick(keys, Qt::Key_Return);
    QTest::keyClicks(keys, u"you"_s);
    QTRY_COMPARE_WITH_TIMEOUT(editor.bodyHTML(), u"<p>Hi</p><p>you</p>"_s, Timeout);
}

void tst_HtmlEditor::displayChangedHandler_commandThenRead_seesTheCommand() {
    HtmlEditor editor(nullptr);
    editor.setDocumentHTML(u"<p>word</p>"_s);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), u"<p>word</p>"_s);
    QString readInHandler;
    connect(&editor, &HtmlEditor::DisplayChanged, this, [&] {
        if (!readInHandler.isEmpty())
            return;
        readInHandler = u"(reading)"_s;
        editor.ExecCommand(EditCommand::Underline);
        QVERIFY(editor.waitUntilCurrent());
        readInHandler = editor.bodyHTML();
    });
    selectContents(editor, u"p"_s);
    QTRY_COMPARE_WITH_TIMEOUT(readInHandler, u"<p><u>word</u></p>"_s, Timeout);
}

void tst_HtmlEditor::paste_keepsFormattingDropsWhatRuns() {
    HtmlEditor editor(nullptr);
    editor.setDocumentHTML(u"<p>ab</p>"_s);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), u"<p>ab</p>"_s);
    placeCaret(editor, u"p"_s, 1);
    // What the clipboard holds when the user pastes from a web page.
    editor.findChild<QWebEngineView *>()->page()->runJavaScript(
        u"(() => { const data = new DataTransfer(); data.setData('text/html', "
        "'<b onclick=\"steal()\">bold</b><script>steal()</script>"
        "<a href=\" javascript:steal()\">x</a><a href=\"page.htm\">y</a>"
        "<iframe src=\"https://example.com/\"></iframe>'); "
        "document.querySelector('p').dispatchEvent(new ClipboardEvent('paste', "
        "{clipboardData: data, bubbles: true, cancelable: true})); })()"_s,
        QWebEngineScript::ApplicationWorld);
    QTRY_COMPARE_WITH_TIMEOUT(editor.bodyHTML(),
                              u"<p>a<b>bold</b><a>x</a><a href=\"page.htm\">y</a>b</p>"_s, Timeout);
}

void tst_HtmlEditor::styleSheet_restylesWithoutTouchingDocument() {
    FakeEditorDialogs dialogs;
    HtmlEditor editor(&dialogs);
    const QString document =
        u"<!DOCTYPE html>\n<html><head><title>t</title></head><body><h1>Title</h1></body></html>"_s;
    editor.setDocumentHTML(document);
    editor.setStyleSheet({u"h1 { color: rgb(200, 10, 10); font-family: Georgia, serif; }"_s, {}});
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.DocumentHTML(), document);
    QCOMPARE(computedStyle(editor, u"h1"_s, u"color"_s), u"rgb(200, 10, 10)"_s);

    // Another template: the same document in another look.
    editor.setStyleSheet({u"h1 { color: rgb(10, 10, 200); }"_s, {}});
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.DocumentHTML(), document);
    QCOMPARE(editor.bodyHTML(), u"<h1>Title</h1>"_s);
    QCOMPARE(computedStyle(editor, u"h1"_s, u"color"_s), u"rgb(10, 10, 200)"_s);

    // A document shown later keeps the look; the font dialog offers the sheet's fonts.
    editor.setDocumentHTML(u"<h1>Other</h1>"_s);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), u"<h1>Other</h1>"_s);
    QCOMPARE(computedStyle(editor, u"h1"_s, u"color"_s), u"rgb(10, 10, 200)"_s);
    editor.setStyleSheet({u"p { font-family: \"Trebuchet MS\", sans-serif; }"_s, {}});
    editor.ExecCommand(EditCommand::Font);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(dialogs.fontListsOffered, QStringList{u"\"Trebuchet MS\", sans-serif"_s});
    QCOMPARE(editor.bodyHTML(), u"<h1>Other</h1>"_s);
}

void tst_HtmlEditor::paragraphStyle_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<ParagraphStyle>("style");
    QTest::addColumn<QString>("body");

    QTest::newRow("heading 1") << u"<p>one</p><p>two</p>"_s << ParagraphStyle::Heading1
                               << u"<h1>one</h1><p>two</p>"_s;
    QTest::newRow("heading 2") << u"<p>one</p>"_s << ParagraphStyle::Heading2 << u"<h2>one</h2>"_s;
    QTest::newRow("heading 3 from heading 1")
        << u"<h1>one</h1>"_s << ParagraphStyle::Heading3 << u"<h3>one</h3>"_s;
    QTest::newRow("normal from heading")
        << u"<h2>one</h2>"_s << ParagraphStyle::Normal << u"<p>one</p>"_s;
    QTest::newRow("quote") << u"<p>one</p><p>two</p>"_s << ParagraphStyle::Quote
                           << u"<blockquote>one</blockquote><p>two</p>"_s;
    QTest::newRow("normal from quote")
        << u"<blockquote>one</blockquote>"_s << ParagraphStyle::Normal << u"<p>one</p>"_s;
    QTest::newRow("quote twice stays one quote")
        << u"<blockquote><p>one</p></blockquote>"_s << ParagraphStyle::Quote
        << u"<blockquote><p>one</p></blockquote>"_s;
    QTest::newRow("normal takes paragraph out of quote")
        << u"<blockquote><p>one</p></blockquote>"_s << ParagraphStyle::Normal << u"<p>one</p>"_s;
}

void tst_HtmlEditor::paragraphStyle() {
    QFETCH(QString, html);
    QFETCH(ParagraphStyle, style);
    QFETCH(QString, body);

    FakeEditorDialogs dialogs;
    HtmlEditor editor(&dialogs);
    editor.setDocumentHTML(html);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), html);
    select(editor, u"r.setStart(document.body.firstChild, 0); r.collapse(true)"_s);
    editor.setParagraphStyle(style);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), body);

    // The font dialog offers the style now in force.
    editor.ExecCommand(EditCommand::Font);
    QCOMPARE(dialogs.fontQuestions.size(), 1);
    QCOMPARE(dialogs.fontQuestions[0].paragraphStyle, std::optional(style));
}

void tst_HtmlEditor::cleanHtml5_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("script"); // run on the document before it is read
    QTest::addColumn<QString>("body");

    QTest::newRow("obsolete font becomes a styled span")
        << u"<p><font face=\"Georgia\" size=\"5\" color=\"#ff0000\">red</font></p>"_s << QString()
        << u"<p><span style=\"font-family: Georgia; font-size: x-large; color: rgb(255, 0, 0);\">"
           "red</span></p>"_s;
    QTest::newRow("obsolete alignment becomes CSS")
        << u"<center>c</center><p align=\"right\">r</p>"_s << QString()
        << u"<div style=\"text-align: center;\">c</div><p style=\"text-align: right;\">r</p>"_s;
    QTest::newRow("list taken out of its paragraph")
        << u"<p>before</p>"_s
        << u"const p = document.querySelector('p'); const l = document.createElement('ul'); "
           "l.innerHTML = '<li>item</li>'; p.append(l, 'after');"_s
        << u"<p>before</p><ul><li>item</li></ul><p>after</p>"_s;
    QTest::newRow("heading taken out of its paragraph")
        << u"<p>x</p>"_s
        << u"const p = document.querySelector('p'); p.textContent = ''; "
           "p.append(document.createElement('h2')); p.firstChild.textContent = 'T';"_s
        << u"<h2>T</h2>"_s;
    QTest::newRow("empty inline elements dropped")
        << u"<p>a<b></b><span style=\"color: red\"><i></i></span>b<a id=\"keep\"></a></p>"_s
        << QString() << u"<p>ab<a id=\"keep\"></a></p>"_s;
    QTest::newRow("picture gets an empty alternative text")
        << u"<p><b><img src=\"a.png\"></b></p>"_s << QString()
        << u"<p><b><img src=\"a.png\" alt=\"\"></b></p>"_s;
}

void tst_HtmlEditor::cleanHtml5() {
    QFETCH(QString, html);
    QFETCH(QString, script);
    QFETCH(QString, body);

    HtmlEditor editor(nullptr);
    editor.setDocumentHTML(html);
    QVERIFY(editor.waitUntilCurrent());
    editor.bodyHTML();
    if (!script.isEmpty()) {
        QSignalSpy changed(&editor, &HtmlEditor::DisplayChanged);
        editor.findChild<QWebEngineView *>()->page()->runJavaScript(
            script, QWebEngineScript::ApplicationWorld);
        QTRY_VERIFY_WITH_TIMEOUT(changed.count() > 0, Timeout);
    }
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), body);
}

void tst_HtmlEditor::focusAtStart_typingGoesToDocumentStart() {
    HtmlEditor editor(nullptr);
    QVERIFY(showOnScreen(editor));
    editor.setDocumentHTML(u"<h1>Title</h1><p>text</p>"_s);
    QVERIFY(!editor.hasCaret());
    editor.focusAtStart();
    QTRY_VERIFY_WITH_TIMEOUT(editor.hasCaret(), Timeout);
    QTest::keyClicks(editor.findChild<QWebEngineView *>()->focusProxy(), u"A "_s);
    QTRY_COMPARE_WITH_TIMEOUT(editor.bodyHTML(), u"<h1>A Title</h1><p>text</p>"_s, Timeout);
}

void tst_HtmlEditor::contextMenu_offersSpellingAndParagraphStyles() {
    HtmlEditor editor(nullptr);
    QVERIFY(showOnScreen(editor));
    editor.setDocumentHTML(u"<p>Thier</p><p>house</p>"_s);
    editor.focusAtStart();
    QTRY_VERIFY_WITH_TIMEOUT(editor.hasCaret(), Timeout);
    // The engine marks a misspelling a moment after the text takes the focus; a menu opened
    // before that has no suggestions yet.
    QStringList menu;
    QTRY_VERIFY_WITH_TIMEOUT((menu = contextMenuAt(editor, u"p"_s)).contains(u"Their"_s), Timeout);
    QVERIFY(menu.contains(u"Paragraph &Style"_s));
    menu = contextMenuAt(editor, u"p + p"_s);
    QVERIFY(menu.contains(u"Paragraph &Style"_s));
    QVERIFY(!menu.contains(u"Their"_s));
    QVERIFY(!menu.contains(u"No spelling suggestions"_s));
}

void tst_HtmlEditor::releasePage_onlyWhenTheUserLeftNothing_data() {
    QTest::addColumn<QString>("action"); // what the user did, as a script run in the page
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<bool>("released");

    QTest::newRow("looked at") << QString() << true << true;
    QTest::newRow("still shown") << QString() << false << false;
    QTest::newRow("caret placed")
        << u"getSelection().collapse(document.querySelector('p').firstChild, 1)"_s << true << false;
    QTest::newRow("changed") << u"document.querySelector('p').append('!')"_s << true << false;
    QTest::newRow("scrolled") << u"window.scrollTo(0, 300)"_s << true << false;
}

void tst_HtmlEditor::releasePage_onlyWhenTheUserLeftNothing() {
    QFETCH(QString, action);
    QFETCH(bool, hidden);
    QFETCH(bool, released);

    HtmlEditor editor(nullptr);
    QVERIFY(showOnScreen(editor));
    const QString body = u"<p>word</p>"_s + u"<p>line</p>"_s.repeated(60);
    editor.setDocumentHTML(u"<html><body>"_s + body + u"</body></html>"_s);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(), body);
    const QString document = editor.DocumentHTML();
    if (!action.isEmpty()) {
        QSignalSpy changed(&editor, &HtmlEditor::DisplayChanged);
        editor.findChild<QWebEngineView *>()->page()->runJavaScript(
            action, QWebEngineScript::ApplicationWorld);
        QTRY_VERIFY_WITH_TIMEOUT(changed.count() > 0, Timeout);
    }
    if (hidden)
        editor.hide();

    QCOMPARE(editor.releasePage(), released);
    QCOMPARE(editor.hasPage(), !released);
    if (!released)
        return;
    // The document stays, and a command makes the page again to carry it out.
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.DocumentHTML(), document);
    QCOMPARE(editor.bodyHTML(), body);
    editor.setParagraphStyle(ParagraphStyle::Heading1);
    QVERIFY(editor.waitUntilCurrent());
    QCOMPARE(editor.bodyHTML(),
             u"<p>word</p>"_s + u"<p>line</p>"_s.repeated(59) + u"<h1>line</h1>"_s);
    QVERIFY(editor.hasPage());
}

QTEST_MAIN(tst_HtmlEditor)
#include "tst_htmleditor.moc"
