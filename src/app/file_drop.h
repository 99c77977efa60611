#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QMimeData;

// The local files a drag carries, in its order; empty unless every item is a local
// file, so text or a web link dragged along keeps its ordinary meaning.
QStringList DroppedFiles(const QMimeData *data);

// Takes drags of local files on the widgets it watches and hands the files over once
// the drop has finished; every other drag (text dragged into an editor) goes on to the
// widget as before.
class FileDropFilter final : public QObject
{
public:
    FileDropFilter(std::function<void(const QStringList &)> open, QObject *parent);

    // Makes the widget take file drops through this filter.
    void watch(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(const QStringList &)> open_;
};
