#include "preview/engine_check.h"

#include "preview/preview_engine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Where the engine itself looks, in its own order: the variable, Qt's folder for helper
// programs, the program's own folder.
QString helperProgram()
{
    const QString named = qEnvironmentVariable("QTWEBENGINEPROCESS_PATH");
    if (!named.isEmpty())
        return named;
    const QString name = QStringLiteral("QtWebEngineProcess");
    const QString installed = QDir(QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath)).filePath(name);
    if (QFileInfo(installed).isExecutable())
        return installed;
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

QString resourceFolder()
{
    const QString named = qEnvironmentVariable("QTWEBENGINE_RESOURCES_PATH");
    return named.isEmpty() ? QDir(QLibraryInfo::path(QLibraryInfo::DataPath)).filePath(QStringLiteral("resources"))
                           : named;
}

bool runAsRoot()
{
#ifdef Q_OS_UNIX
    return ::geteuid() == 0;
#else
    return false;
#endif
}

bool sandboxOff()
{
    return qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")
           || qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").contains(QLatin1String("--no-sandbox"));
}

} // namespace

QString PreviewEngineUnavailableReason()
{
    const QString engine = PreviewEngineLibrary();
    if (!QFileInfo(engine).isFile())
        return QStringLiteral("Tagsmith's preview engine is missing: %1").arg(QDir::toNativeSeparators(engine));
    const QFileInfo helper(helperProgram());
    if (!helper.isFile() || !helper.isExecutable())
        return QStringLiteral("Qt WebEngine's helper program is missing: %1").arg(QDir::toNativeSeparators(helper.filePath()));
    const QFileInfo resources(QDir(resourceFolder()).filePath(QStringLiteral("qtwebengine_resources.pak")));
    if (!resources.isFile())
        return QStringLiteral("Qt WebEngine's resources are missing: %1")
            .arg(QDir::toNativeSeparators(resources.absolutePath()));
    if (runAsRoot() && !sandboxOff())
        return QStringLiteral("run as root, Qt WebEngine needs QTWEBENGINE_DISABLE_SANDBOX=1");
    return {};
}

void PrepareWebEngine()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}
