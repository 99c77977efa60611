#pragma once

#include <QPointF>
#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

// What the page in the preview tells the program.
struct PreviewEngineEvents
{
    // A page given to setHtml has loaded.
    std::function<void()> loaded;
    // The user followed a link; the preview never leaves its page, so the program decides.
    std::function<void(const QUrl &)> linkClicked;
    // The user clicked an element: the source offset of its start tag.
    std::function<void(int)> elementClicked;
    // The page's process ended; nothing shows until the next setHtml.
    std::function<void()> stopped;
};

// The web engine behind the live preview. It lives in a library of its own, loaded the
// first time the preview is shown: the engine's libraries are a third of what the
// program maps at start, and a session that never previews never maps them.
class PreviewEngine
{
public:
    virtual ~PreviewEngine() = default;

    // The view showing the page, a child of the parent the engine was made with.
    virtual QWidget *view() const = 0;
    virtual void setHtml(const QString &html, const QUrl &base) = 0;
    virtual QPointF scrollPosition() const = 0;
    // Runs the script in the preview's own world, apart from the page's scripts; done is
    // called once it has run, never after the engine is gone.
    virtual void runScript(const QString &script, const std::function<void()> &done = {}) = 0;
};

// What the engine's library exports, under the name PreviewEngineFactoryName. Elements
// carry their start tag's source offset in markAttribute.
using PreviewEngineFactory = PreviewEngine *(*)(QWidget *parent, const QString &markAttribute,
                                                const PreviewEngineEvents &events);
inline constexpr char PreviewEngineFactoryName[] = "MakeTagsmithPreviewEngine";

// The engine's library file: TAGSMITH_PREVIEW_ENGINE when set, else the first that exists
// beside the program or in its installed library folder (the last of these when none does).
QString PreviewEngineLibrary();

// Loads the library and makes an engine; null, with why in error, when it cannot.
PreviewEngine *LoadPreviewEngine(const QString &library, QWidget *parent, const QString &markAttribute,
                                 const PreviewEngineEvents &events, QString &error);
