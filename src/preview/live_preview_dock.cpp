#include "preview/live_preview_dock.h"

#include "document/browser_preview.h"
#include "document/file_commands.h"
#include "document/notepad_window.h"
#include "document/program.h"
#include "platform/rich_text_box.h"
#include "preview/engine_check.h"
#include "preview/preview_engine.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QStackedWidget>

namespace {

// The engine loads the page as a data: address, which it refuses beyond 2 MB; the text
// goes there as UTF-8 in base64.
constexpr qsizetype MaxPageBytes = 2 * 1024 * 1024 / 4 * 3 - 1024;

QString jsList(const QList<int> &numbers)
{
    QStringList parts;
    for (int number : numbers)
        parts.append(QString::number(number));
    return QLatin1Char('[') + parts.join(QLatin1Char(',')) + QLatin1Char(']');
}

} // namespace

LivePreviewDock::LivePreviewDock(Program &program, QMdiArea *documents, QWidget *parent)
    : QDockWidget(QStringLiteral("Live Preview"), parent), program_(program),
      unavailable_(PreviewEngineUnavailableReason())
{
    setObjectName(QStringLiteral("LivePreview"));
    // Only the View menu's item turns the preview off, so its check mark always tells.
    setFeatures(DockWidgetMovable | DockWidgetFloatable);
    stack_ = new QStackedWidget(this);
    note_ = new QLabel(stack_);
    note_->setObjectName(QStringLiteral("lblLivePreviewNote"));
    note_->setAlignment(Qt::AlignCenter);
    note_->setWordWrap(true);
    note_->setMargin(12);
    stack_->addWidget(note_);
    setWidget(stack_);

    refreshTimer_.setSingleShot(true);
    // Qt lets a coarse timer fire up to 5 % late, 15 ms of this pause: the page would come
    // back that much later at random.
    refreshTimer_.setTimerType(Qt::PreciseTimer);
    refreshTimer_.setInterval(RefreshDelayMs);
    connect(&refreshTimer_, &QTimer::timeout, this, &LivePreviewDock::refresh);
    connect(documents, &QMdiArea::subWindowActivated, this, &LivePreviewDock::followActiveDocument);
}

LivePreviewDock::~LivePreviewDock()
{
    releaseEngine();
}

void LivePreviewDock::setOn(bool on)
{
    if (on == on_ || (on && !unavailable_.isEmpty()))
        return;
    on_ = on;
    if (on) {
        startEngine();
        show();
        followActiveDocument();
    } else {
        hide();
        releaseEngine();
    }
}

void LivePreviewDock::startEngine()
{
    PreviewEngineEvents events;
    events.loaded = [this] { pageLoaded(); };
    events.linkClicked = [this](const QUrl &url) { openLink(url); };
    events.elementClicked = [this](int offset) { placeCaret(offset); };
    events.stopped = [this] {
        shownText_.clear();
        showNote(QStringLiteral("The preview's page stopped working. It comes back with the next edit."));
    };
    QString error;
    engine_.reset(LoadPreviewEngine(PreviewEngineLibrary(), stack_, SourceMarkAttribute, events, error));
    if (engine_)
        stack_->addWidget(engine_->view());
    else
        failure_ = QStringLiteral("The preview's engine could not be loaded: ") + error;
}

void LivePreviewDock::releaseEngine()
{
    forgetDocument();
    engine_.reset();
    failure_.clear();
}

void LivePreviewDock::followActiveDocument()
{
    if (!on_)
        return;
    frmNotePad *active = program_.ActiveDocument();
    if (active == document_ && active)
        return;
    forgetDocument();
    document_ = active;
    if (!failure_.isEmpty()) {
        showNote(failure_);
        return;
    }
    if (!active) {
        showNote(QStringLiteral("No document is open."));
        return;
    }
    RichTextBox *editor = active->RichTextBox1;
    documentConnections_ = {
        connect(editor->document(), &QTextDocument::contentsChanged, this,
                [this] {
                    stale_ = true;
                    refreshTimer_.start();
                }),
        connect(editor, &RichTextBox::cursorPositionChanged, this, [this] { outlineCaretElement(true); }),
        // A Save As can give the page another folder, or make it a text or rich-text file.
        connect(active, &QWidget::windowTitleChanged, this, &LivePreviewDock::refresh),
        // The frame may still call a closing window current; once it is gone, the next is.
        connect(active, &QObject::destroyed, this, &LivePreviewDock::followActiveDocument, Qt::QueuedConnection),
    };
    refresh();
}

void LivePreviewDock::forgetDocument()
{
    refreshTimer_.stop();
    for (const QMetaObject::Connection &connection : std::as_const(documentConnections_))
        disconnect(connection);
    documentConnections_.clear();
    document_ = nullptr;
    // The next document's page is loaded whatever it holds, even the same text from the
    // same folder (two new pages).
    shownText_.clear();
    shownBase_.clear();
    elements_.clear();
}

void LivePreviewDock::showNote(const QString &text)
{
    note_->setText(text);
    stack_->setCurrentWidget(note_);
}

void LivePreviewDock::refresh()
{
    refreshTimer_.stop();
    if (!document_ || !engine_)
        return;
    const QString caption = document_->Caption();
    if (IsRichTextName(caption)) {
        shownText_.clear();
        showNote(QStringLiteral("A rich-text (RTF) document has no page to preview."));
        return;
    }
    if (!document_->isUntitled() && QFileInfo(caption).suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0) {
        shownText_.clear();
        showNote(QStringLiteral("A plain-text file has no page to preview."));
        return;
    }

    const QString text = document_->RichTextBox1->toPlainText();
    // An Untitled page has no folder yet; its relative addresses reach into the home folder.
    const QUrl base = document_->isUntitled() ? QUrl::fromLocalFile(QDir::homePath() + QLatin1Char('/'))
                                              : QUrl::fromLocalFile(QFileInfo(caption).absoluteFilePath());
    stale_ = false;
    const bool showingPage = engine_->view() == stack_->currentWidget();
    if (showingPage && text == shownText_ && base == shownBase_)
        return;

    MarkedPage marked = MarkStartTags(text);
    if (marked.html.toUtf8().size() > MaxPageBytes) {
        shownText_.clear();
        showNote(QStringLiteral("This page is too large for the preview."));
        return;
    }
    // An edit keeps the reader's place; another page, or the page back after a note, starts
    // at its top.
    scrollToKeep_ = showingPage && base == shownBase_ ? engine_->scrollPosition() : QPointF();
    shownText_ = text;
    shownBase_ = base;
    elements_ = std::move(marked.elements);
    outlined_.clear();
    stack_->setCurrentWidget(engine_->view());
    engine_->setHtml(marked.html, base);
}

void LivePreviewDock::pageLoaded()
{
    const QString restore = QStringLiteral("window.scrollTo(%1, %2);").arg(scrollToKeep_.x()).arg(scrollToKeep_.y());
    engine_->runScript(restore, [this] {
        outlineCaretElement(false);
        emit refreshed();
    });
}

void LivePreviewDock::outlineCaretElement(bool scroll)
{
    // While an edit waits for its refresh, the page's offsets are those of the old text.
    if (!engine_ || !document_ || stale_ || stack_->currentWidget() != engine_->view())
        return;
    const QList<int> holding = ElementsHolding(elements_, document_->RichTextBox1->textCursor().position());
    if (holding == outlined_ && scroll)
        return;
    outlined_ = holding;
    engine_->runScript(QStringLiteral("tagsmithOutline(%1, %2);").arg(jsList(holding), scroll ? QLatin1String("true") : QLatin1String("false")));
}

void LivePreviewDock::openLink(const QUrl &url)
{
    const QString browser = program_.settings().read(QStringLiteral("Browser1"), QStringLiteral("BrowserName"));
    if (!browser.isEmpty()) {
        StartBrowser(program_, browser, url.isLocalFile() && !url.hasFragment() ? url.toLocalFile() : url.toString());
        return;
    }
    if (!program_.platform().starter->openUrl(url))
        program_.messages().show(QStringLiteral("Can't open the link:\r\n") + url.toString(), QStringLiteral("Tagsmith"),
                                 MsgButtons::Ok, MsgIcon::Exclamation);
}

void LivePreviewDock::placeCaret(int offset)
{
    if (!document_)
        return;
    RichTextBox *editor = document_->RichTextBox1;
    QTextCursor cursor(editor->document());
    cursor.setPosition(qBound(0, offset, editor->document()->characterCount() - 1));
    editor->setTextCursor(cursor);
    editor->ensureCursorVisible();
    editor->setFocus();
}
