#include "webengine/preview_page.h"

namespace {

// The click bridge speaks through the console: no channel object to register, and a
// forged message from the page's own scripts can do no more than move the caret.
const QString kClickPrefix = QStringLiteral("tagsmith-element:");

// A new window asked for by a link (target="_blank"): it takes the first address it is
// sent to, hands it to the preview's page as a followed link, and goes.
class NewWindowCatcher final : public QWebEnginePage
{
public:
    NewWindowCatcher(QWebEngineProfile *profile, PreviewPage *opener) : QWebEnginePage(profile, opener), opener_(opener)
    {
    }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool) override
    {
        emit opener_->linkClicked(url);
        deleteLater();
        return false;
    }

private:
    PreviewPage *opener_;
};

} // namespace

PreviewPage::PreviewPage(QWebEngineProfile *profile, QObject *parent) : QWebEnginePage(profile, parent) {}

QString PreviewPage::bridgeScript(const QString &markAttribute)
{
    return QStringLiteral(R"JS(
(function () {
  const mark = '%1';
  const caret = 'data-tagsmith-caret';
  document.addEventListener('click', function (event) {
    const node = event.target;
    const target = node instanceof Element ? node : node && node.parentElement;
    const element = target && target.closest('[' + mark + ']');
    if (element)
      console.log('%2' + element.getAttribute(mark));
  }, true);
  window.tagsmithOutline = function (starts, scroll) {
    for (const old of document.querySelectorAll('[' + caret + ']'))
      old.removeAttribute(caret);
    for (const start of starts) {
      const element = document.querySelector('[' + mark + '="' + start + '"]');
      if (!element || element === document.documentElement || element.getClientRects().length === 0)
        continue;
      element.setAttribute(caret, '');
      if (scroll)
        element.scrollIntoView({block: 'nearest', inline: 'nearest'});
      return start;
    }
    return -1;
  };
  const style = document.createElement('style');
  style.textContent = '[' + caret + '] { outline: 2px solid #2f6fd6 !important; outline-offset: 1px !important; }';
  (document.head || document.documentElement).appendChild(style);
})();
)JS")
        .arg(markAttribute, kClickPrefix);
}

bool PreviewPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    // A link to a place on this same page never comes here: the engine scrolls to it.
    if (type == NavigationTypeLinkClicked) {
        emit linkClicked(url);
        return false;
    }
    // Frames inside the page load what they name, as in a browser; the page itself is only
    // ever the text the preview gives it.
    return !isMainFrame || url.scheme() == QLatin1String("data");
}

void PreviewPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &message, int, const QString &)
{
    if (!message.startsWith(kClickPrefix))
        return;
    bool number = false;
    const int offset = message.mid(kClickPrefix.size()).toInt(&number);
    if (number && offset >= 0)
        emit elementClicked(offset);
}

QWebEnginePage *PreviewPage::createWindow(WebWindowType)
{
    return new NewWindowCatcher(profile(), this);
}
