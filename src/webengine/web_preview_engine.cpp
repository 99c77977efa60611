#include "preview/preview_engine.h"
#include "webengine/preview_page.h"

#include <QPointer>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

class WebPreviewEngine final : public PreviewEngine
{
public:
    WebPreviewEngine(QWidget *parent, const QString &markAttribute, const PreviewEngineEvents &events)
    {
        // Off the record: the preview keeps no cache, cookies or history on disk.
        profile_ = new QWebEngineProfile(parent);
        profile_->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        QWebEngineScript bridge;
        bridge.setName(QStringLiteral("tagsmith-bridge"));
        bridge.setWorldId(QWebEngineScript::ApplicationWorld);
        bridge.setInjectionPoint(QWebEngineScript::DocumentReady);
        bridge.setSourceCode(PreviewPage::bridgeScript(markAttribute));
        profile_->scripts()->insert(bridge);

        page_ = new PreviewPage(profile_, parent);
        QObject::connect(page_, &QWebEnginePage::loadFinished, page_, [loaded = events.loaded] { loaded(); });
        QObject::connect(page_, &PreviewPage::linkClicked, page_, events.linkClicked);
        QObject::connect(page_, &PreviewPage::elementClicked, page_, events.elementClicked);
        QObject::connect(page_, &QWebEnginePage::renderProcessTerminated, page_, [stopped = events.stopped] { stopped(); });
        view_ = new QWebEngineView(parent);
        view_->setObjectName(QStringLiteral("webLivePreview"));
        view_->setPage(page_);
        // Its Back, Reload and Open in New Window would lead away from the document's page.
        view_->setContextMenuPolicy(Qt::NoContextMenu);
    }

    ~WebPreviewEngine() override
    {
        // The engine wants its views and pages gone before their profile.
        delete view_;
        delete page_;
        delete profile_;
    }

    QWidget *view() const override { return view_; }

    void setHtml(const QString &html, const QUrl &base) override { page_->setHtml(html, base); }

    QPointF scrollPosition() const override { return page_->scrollPosition(); }

    void runScript(const QString &script, const std::function<void()> &done) override
    {
        page_->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                             [page = QPointer<PreviewPage>(page_), done](const QVariant &) {
                                 if (page && done)
                                     done();
                             });
    }

private:
    QWebEngineProfile *profile_ = nullptr;
    PreviewPage *page_ = nullptr;
    QWebEngineView *view_ = nullptr;
};

} // namespace

extern "C" Q_DECL_EXPORT PreviewEngine *MakeTagsmithPreviewEngine(QWidget *parent, const QString &markAttribute,
                                                                  const PreviewEngineEvents &events)
{
    return new WebPreviewEngine(parent, markAttribute, events);
}
