#include "bare_web_view.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

BareWebView *LoadBareWebView(QString &error)
{
    QLibrary library(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(TAGSMITH_BENCH_WEB_FLOOR_FILE)));
    const auto make = reinterpret_cast<BareWebViewFactory>(library.resolve(BareWebViewFactoryName));
    if (!make) {
        error = library.errorString();
        return nullptr;
    }
    return make();
}
