#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

// The preview's floor: a bare engine view, nothing injected and nothing filtered. It lives
// in a library of its own, as the program's engine does, so the driver maps the engine's
// libraries only when the preview is measured, after the memory figure is taken.
class BareWebView
{
public:
    virtual ~BareWebView() = default;
    virtual QWidget *widget() const = 0;
    // loaded is called once the page has loaded.
    virtual void setHtml(const QString &html, const QUrl &base, const std::function<void()> &loaded) = 0;
};

using BareWebViewFactory = BareWebView *(*)();
inline constexpr char BareWebViewFactoryName[] = "MakeBareWebView";

// Null, with why in error, when the library cannot be loaded.
BareWebView *LoadBareWebView(QString &error);
