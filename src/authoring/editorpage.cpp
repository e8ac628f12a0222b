// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/editorpage.h"

#include "authoring/spelling.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

using namespace Qt::StringLiterals;

namespace quillsite {

Q_LOGGING_CATEGORY(lcEditor, "quillsite.editor")

namespace {

// All editors share one profile that keeps nothing on disk: the program leaves no files
// behind but the site it builds.
QWebEngineProfile *editorProfile() {
    static QPointer<QWebEngineProfile> profile;
    if (profile)
        return profile;
    profile = new QWebEngineProfile(QCoreApplication::instance());
    QWebEngineSettings *settings = profile->settings();
    // The document's own scripts never run; the editor's script runs in its own world.
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    settings->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    settings->setAttribute(QWebEngineSettings::ShowScrollBars, true);
    enableSpelling(*profile);
    return profile;
}

} // namespace

EditorPage::EditorPage(QObject *parent)
    : QWebEnginePage(editorProfile(), parent) {}

void EditorPage::showDocument(const QByteArray &utf8Html, const QUrl &baseUrl) {
    ++m_ownLoadsPending;
    setContent(utf8Html, u"text/html;charset=UTF-8"_s, baseUrl);
}

bool EditorPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) {
    // Frames inside the document may load what they show, but nothing is followed by a click.
    if (!isMainFrame)
        return type != NavigationTypeLinkClicked;
    if (m_ownLoadsPending > 0 && type == NavigationTypeTyped && url.scheme() == u"data"_s) {
        --m_ownLoadsPending;
        return true;
    }
    qCDebug(lcEditor) << "Refused navigation to" << url << "of type" << type;
    return false;
}

QWebEnginePage *EditorPage::createWindow(WebWindowType) {
    return nullptr;
}

void EditorPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                          const QString &message, int lineNumber,
                                          const QString &sourceId) {
    const QString text = u"%1:%2: %3"_s.arg(sourceId).arg(lineNumber).arg(message);
    switch (level) {
    case InfoMessageLevel:
        qCDebug(lcEditor).noquote() << text;
        break;
    case WarningMessageLevel:
        qCWarning(lcEditor).noquote() << text;
        break;
    case ErrorMessageLevel:
        qCCritical(lcEditor).noquote() << text;
        break;
    }
}

} // namespace quillsite
