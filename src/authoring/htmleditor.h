#pragma once

#include "authoring/editcommand.h"

#include <QWidget>

namespace quillsite {

class EditorDialogs;

// A WYSIWYG editor for one HTML document: the only class that touches the web engine.
class HtmlEditor final : public QWidget
{
    Q_OBJECT

public:
    explicit HtmlEditor(EditorDialogs *dialogs, QWidget *parent = nullptr);
    ~HtmlEditor() override;

    // Shows the file's document, with its folder as base for relative links.
    // False, with errorString() set, when the file can't be read.
    bool LoadDocument(const QString &path);
    QString errorString() const;

    // The whole document (doctype, head and body) / replaces it.
    QString DocumentHTML() const;
    void setDocumentHTML(const QString &html);

    // The markup inside the body element.
    QString bodyHTML() const;

    void ExecCommand(int command);
    int QueryStatus(int command) const;

signals:
    // Raised whenever what the editor shows or the selection changes.
    void DisplayChanged();
};

} // namespace quillsite
