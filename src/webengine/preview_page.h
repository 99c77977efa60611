#pragma once

#include <QWebEnginePage>

// The page of the live preview. It never leaves the page it was given: a link the user
// follows is handed out (linkClicked) instead of loaded, also when it asks for a new
// window, and whatever else would replace the page (a script setting location, a form
// sent) is refused. A click on an element reports the source offset of its start tag
// (elementClicked).
class PreviewPage : public QWebEnginePage
{
    Q_OBJECT

public:
    PreviewPage(QWebEngineProfile *profile, QObject *parent);

    // Helper code for the page, run in a world of its own so the page's scripts neither
    // see nor break it: reports clicks on elements marked with markAttribute and defines
    // tagsmithOutline(starts, scroll).
    static QString bridgeScript(const QString &markAttribute);

signals:
    void linkClicked(const QUrl &url);
    void elementClicked(int sourceOffset);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int line,
                                  const QString &source) override;
    QWebEnginePage *createWindow(WebWindowType type) override;
};
