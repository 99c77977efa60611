#include "bare_web_view.h"

#include <QWebEngineView>

namespace {

class View final : public BareWebView
{
public:
    QWidget *widget() const override { return const_cast<QWebEngineView *>(&view_); }

    void setHtml(const QString &html, const QUrl &base, const std::function<void()> &loaded) override
    {
        QObject::disconnect(connection_);
        connection_ = QObject::connect(view_.page(), &QWebEnginePage::loadFinished, view_.page(), [loaded] { loaded(); });
        view_.setHtml(html, base);
    }

private:
    QWebEngineView view_;
    QMetaObject::Connection connection_;
};

} // namespace

extern "C" Q_DECL_EXPORT BareWebView *MakeBareWebView()
{
    return new View;
}
