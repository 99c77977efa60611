#include "app/file_drop.h"

#include "platform/native_file_name.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

QStringList DroppedFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        // toLocalFile reads the path's bytes as UTF-8, and a name that is not valid UTF-8
        // then reaches no file: such a name is taken from the bytes themselves.
        const QByteArray path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        const QString kept = FileNameFromNative(path);
        files.append(IsQtFileName(kept) ? url.toLocalFile() : kept);
    }
    return files;
}

FileDropFilter::FileDropFilter(std::function<void(const QStringList &)> open, QObject *parent)
    : QObject(parent), open_(std::move(open))
{
}

void FileDropFilter::watch(QWidget *widget)
{
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
}

bool FileDropFilter::eventFilter(QObject *, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *drag = static_cast<QDropEvent *>(event);
    const QStringList files = DroppedFiles(drag->mimeData());
    if (files.isEmpty() || !(drag->possibleActions() & Qt::CopyAction))
        return false;
    // Always a copy: a drop taken as a move would let the file manager delete the file.
    drag->setDropAction(Qt::CopyAction);
    drag->accept();
    if (type == QEvent::Drop) {
        // Opening may ask questions in modal boxes; the program that dragged the files
        // must not wait for them, so they open once the drop is over.
        QMetaObject::invokeMethod(
            this, [open = open_, files] { open(files); }, Qt::QueuedConnection);
    }
    return true;
}
