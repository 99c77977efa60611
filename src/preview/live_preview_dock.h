#pragma once

#include "preview/source_marks.h"

#include <QDockWidget>
#include <QPointF>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <memory>

class PreviewEngine;
class Program;
class QLabel;
class QMdiArea;
class QStackedWidget;
class frmNotePad;

// The live preview beside the documents: the active document's text as a browser shows
// it, refreshed when typing pauses, with the element that holds the caret outlined.
// The web engine starts each time the preview is turned on and is let go when it is
// turned off; while off, the dock holds nothing but a note.
class LivePreviewDock : public QDockWidget
{
    Q_OBJECT

public:
    LivePreviewDock(Program &program, QMdiArea *documents, QWidget *parent);
    ~LivePreviewDock() override;

    // Empty when the engine can run here; otherwise why it cannot, and the preview stays off.
    const QString &unavailableReason() const { return unavailable_; }
    void setOn(bool on);

    // How long typing must pause before the page is loaded again.
    static constexpr int RefreshDelayMs = 300;

signals:
    // A load of the page has finished, its scroll position is back and the caret's element
    // is outlined.
    void refreshed();

private:
    void startEngine();
    void releaseEngine();
    void followActiveDocument();
    void forgetDocument();
    void refresh();
    void showNote(const QString &text);
    void pageLoaded();
    void outlineCaretElement(bool scroll);
    void openLink(const QUrl &url);
    void placeCaret(int offset);

    Program &program_;
    QString unavailable_;
    bool on_ = false;
    QStackedWidget *stack_ = nullptr;
    QLabel *note_ = nullptr;
    std::unique_ptr<PreviewEngine> engine_;
    // Why the engine did not load when the preview was turned on; the dock shows it.
    QString failure_;
    QPointer<frmNotePad> document_;
    QList<QMetaObject::Connection> documentConnections_;
    QTimer refreshTimer_;
    // What the page shows now, and where its elements stand in that text.
    QString shownText_;
    QUrl shownBase_;
    QList<ElementSpan> elements_;
    QList<int> outlined_;
    QPointF scrollToKeep_;
    // Set from an edit until the page shows the edited text: meanwhile the offsets in the
    // page do not match the editor's.
    bool stale_ = false;
};
