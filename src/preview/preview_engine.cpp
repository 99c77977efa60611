#include "preview/preview_engine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

QString PreviewEngineLibrary()
{
    const QString named = qEnvironmentVariable("TAGSMITH_PREVIEW_ENGINE");
    if (!named.isEmpty())
        return named;
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString name = QStringLiteral(TAGSMITH_PREVIEW_ENGINE_FILE);
    const QString beside = programFolder.filePath(name);
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(programFolder.filePath(QStringLiteral(TAGSMITH_PREVIEW_ENGINE_FOLDER "/") + name));
}

PreviewEngine *LoadPreviewEngine(const QString &library, QWidget *parent, const QString &markAttribute,
                                 const PreviewEngineEvents &events, QString &error)
{
    // Never unloaded: the engine keeps threads and state of its own until the program ends.
    QLibrary engine(library);
    const auto make = reinterpret_cast<PreviewEngineFactory>(engine.resolve(PreviewEngineFactoryName));
    if (!make) {
        error = engine.errorString();
        return nullptr;
    }
    return make(parent, markAttribute, events);
}
