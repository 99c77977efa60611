#include "operations.h"

#include "bare_web_view.h"
#include "bench_platform.h"
#include "editor_actions.h"
#include "measurement.h"
#include "rich_text_floor.h"

#include "app/frame_window.h"
#include "document/document_table.h"
#include "document/file_commands.h"
#include "document/live_tag_colouring.h"
#include "document/notepad_window.h"
#include "platform/rich_text_box.h"
#include "document/tag_case.h"
#include "document/tag_colouring.h"
#include "document/tag_scanner.h"
#include "generated_page.h"
#include "platform/editor_surface.h"
#include "platform/letter_case.h"
#include "preview/live_preview_dock.h"
#include "search/find_next_match.h"
#include "search/replace_commands.h"
#include "search/search_state.h"
#include "tools/page_problems_panel.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QSaveFile>
#include <QScrollBar>
#include <QSyntaxHighlighter>
#include <QTemporaryDir>
#include <QTimer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QPlainTextEdit>

#include <tidy/tidy.h>
#include <tidy/tidybuffio.h>

#include <memory>

namespace {

const QString frequentWord = QStringLiteral("data");
// The switches of the HTML-aware editing, each its section and key.
constexpr const char *htmlHelpers[] = {"ColorTagsWhileTyping", "AutoCloseTags", "Completions", "RenameMatchingTags"};
constexpr int scrolledPages = 200;
const QString replacementWord = QStringLiteral("datum");
// The live preview is timed on a page of this size, the start of the whole page.
constexpr qsizetype previewedChars = 200'000;

// The page laid out to its end now, which Qt would otherwise go on doing from a timer
// while the other editor is being timed.
template <class Editor>
void finishLayout(Editor *editor)
{
    QTextDocument *page = editor->document();
    page->documentLayout()->blockBoundingRect(page->lastBlock());
    settle();
}

// The least Qt needs to show tags coloured as the user types: every "<" to its ">" in the
// layout, a tag left open carried to the next line in the line's state, the way Qt's own
// example colours comments.
class BareTagHighlighter final : public QSyntaxHighlighter
{
public:
    explicit BareTagHighlighter(const QColor &color) : QSyntaxHighlighter(static_cast<QObject *>(nullptr))
    {
        format_.setForeground(color);
    }

protected:
    void highlightBlock(const QString &text) override
    {
        bool open = previousBlockState() == 1;
        for (qsizetype start = open ? 0 : text.indexOf(QLatin1Char('<')); start >= 0;) {
            const qsizetype close = text.indexOf(QLatin1Char('>'), start);
            open = close < 0;
            const qsizetype end = open ? text.size() : close + 1;
            setFormat(int(start), int(end - start), format_);
            start = open ? -1 : text.indexOf(QLatin1Char('<'), end);
        }
        setCurrentBlockState(open ? 1 : 0);
    }

private:
    QTextCharFormat format_;
};

// Where the layout paints the "<" of a start or end tag in the tag colour: the tags the
// user sees coloured. The program paints a tag's other parts, and comments, in colours of
// their own; the brackets of tags keep the tag colour.
QList<int> colouredTagOpenings(QTextDocument *page, const QColor &tagColor, int firstLine, int lastLine)
{
    QList<int> openings;
    for (QTextBlock line = page->findBlockByNumber(firstLine); line.isValid() && line.blockNumber() <= lastLine;
         line = line.next()) {
        const QString text = line.text();
        for (const QTextLayout::FormatRange &range : line.layout()->formats()) {
            const QChar next = range.start + 1 < text.size() ? text[range.start + 1] : QChar();
            if (range.format.foreground().color() == tagColor && text[range.start] == QLatin1Char('<')
                && (next.isLetter() || next == QLatin1Char('/')))
                openings.append(line.position() + range.start);
        }
    }
    return openings;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every tag range replaced by its text converted, through one cursor in one edit block.
struct Replacement
{
    int start;
    int length;
    QString text;
};

// The cursor is left after the last replacement.
QTextCursor applyReplacements(QTextDocument *document, const QList<Replacement> &replacements)
{
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    int shift = 0;
    for (const Replacement &r : replacements) {
        cursor.setPosition(r.start + shift);
        cursor.setPosition(r.start + shift + r.length, QTextCursor::KeepAnchor);
        cursor.insertText(r.text);
        shift += int(r.text.size()) - r.length;
    }
    cursor.endEditBlock();
    return cursor;
}

// Selects the text and brings it into view, as Find Next shows an occurrence.
template <class Editor>
void selectInView(Editor *editor, qsizetype start, qsizetype length)
{
    QTextCursor cursor(editor->document());
    cursor.setPosition(int(start));
    cursor.setPosition(int(start + length), QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    editor->ensureCursorVisible();
}

QList<Replacement> convertedTags(const QString &text, const QList<TagRange> &tags, QString (*convert)(QString))
{
    QList<Replacement> replacements;
    replacements.reserve(tags.size());
    for (const TagRange &tag : tags)
        replacements.append({tag.start, tag.length, convert(text.mid(tag.start, tag.length))});
    return replacements;
}

QString withConvertedTags(const QString &text, const QList<TagRange> &tags, QString (*convert)(QString))
{
    QString result = text;
    for (const TagRange &tag : tags)
        result.replace(tag.start, tag.length, convert(text.mid(tag.start, tag.length)));
    return result;
}

// HTML Tidy alone over the page, as the program runs it: parse, repair, diagnose. The
// number of warnings and errors it reported.
Bool TIDY_CALL countProblem(TidyMessage message)
{
    const TidyReportLevel level = tidyGetMessageLevel(message);
    if (level == TidyWarning || level == TidyError || level == TidyBadDocument || level == TidyFatal)
        ++*static_cast<int *>(tidyGetAppData(tidyGetMessageDoc(message)));
    return no;
}

int tidyAlone(const QString &text)
{
    int problems = 0;
    QByteArray bytes = text.toUtf8();
    TidyDoc tidy = tidyCreate();
    tidySetAppData(tidy, &problems);
    tidySetMessageCallback(tidy, &countProblem);
    tidySetCharEncoding(tidy, "utf8");
    TidyBuffer input;
    tidyBufInit(&input);
    tidyBufAttach(&input, reinterpret_cast<byte *>(bytes.data()), uint(bytes.size()));
    tidyParseBuffer(tidy, &input);
    tidyCleanAndRepair(tidy);
    tidyRunDiagnostics(tidy);
    tidyBufDetach(&input);
    tidyRelease(tidy);
    return problems;
}

class Bench
{
public:
    Bench(const QString &htmlFile, int repetitions, const Workload &workload)
        : htmlFile_(htmlFile), repetitions_(repetitions), workload_(workload), bench_(makeBenchPlatform()),
          messages_(*bench_.messages), frame_(std::move(bench_.platform))
    {
        // The classic operations are timed as the classic program does them; the HTML-aware
        // help is turned on where it is measured.
        for (const char *helper : htmlHelpers)
            frame_.settings().write(QLatin1String(helper), QLatin1String(helper), QStringLiteral("False"));
        frame_.MDIForm_Load();
        settle();
    }

    BenchResults run(const std::function<void(const OperationFigures &)> &report)
    {
        results_.memory = measureMemory();
        if (!document()) {
            results_.mismatches.append(QStringLiteral("the program could not open ") + htmlFile_ + QStringLiteral(": ")
                                       + messages_.lastText);
            return results_;
        }
        text_ = document()->editor().Text();
        tags_ = FindTags(text_);
        buildFloorEditor();
        rich_ = std::make_unique<RichTextFloor>(productEditor());
        report_ = report;

        measureOpen();
        measureOpenShown();
        measureRichOpenShown();
        measureSave();
        measureColour();
        measureRichColour();
        measureColourOn();
        measureCase(QStringLiteral("upper"), text_, &MakeTagsUppercase, &UppercaseLetters);
        measureCase(QStringLiteral("lower"), withConvertedTags(text_, tags_, &UppercaseLetters), &MakeTagsLowercase,
                    &LowercaseLetters);
        measureFind();
        measureFindNext();
        measureReplaceAll();
        measureInsertLarge();
        measureCheckPage();
        measureTyping(QStringLiteral("type_top"), [](QTextDocument *page) { return QTextCursor(page->findBlockByNumber(1)); });
        measureTyping(QStringLiteral("type_end"), [](QTextDocument *page) {
            QTextCursor cursor(page);
            cursor.movePosition(QTextCursor::End);
            return cursor;
        });
        measureScroll();
        measureHtmlTyping(QStringLiteral("type_top_html"), text_);
        measureHtmlTyping(QStringLiteral("type_top_open_comment"), QStringLiteral("<!--\n") + text_);
        measurePreviewRefresh();
        measureTypingWithPreview();
        return results_;
    }

private:
    // Both sides timed in the same run; `keys` is how many keys one run types, where it
    // types, so that the time of a key can be told as well.
    void measure(const QString &name, const std::function<void()> &prepareProduct, const std::function<void()> &product,
                 const std::function<void()> &prepareFloor, const std::function<void()> &floor, int keys = 0,
                 Turns turns = Turns::OneSideThenTheOther, double productPauseMs = 0)
    {
        if (!wanted(name))
            return;
        OperationFigures figures{name, text_.size(), tags_.size()};
        const MedianPair times =
            medianMilliseconds(repetitions_, {prepareProduct, product}, {prepareFloor, floor}, turns);
        // A pause the program makes on purpose is not its work.
        figures.productMs = times.first - productPauseMs;
        figures.floorMs = times.second;
        figures.keys = keys;
        results_.operations.append(figures);
        report_(figures);
    }

    frmNotePad *document() { return frame_.ActiveDocument(); }
    RichTextBox *productEditor() { return document()->RichTextBox1; }

    void openPage()
    {
        OpenDocumentFile(frame_, htmlFile_);
        settle();
    }

    void closeDocuments()
    {
        DocumentTable &table = frame_.Documents();
        for (int slot = 1; slot <= table.count(); ++slot)
            if (!table.state(slot).Deleted && table.window(slot))
                table.window(slot)->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        settle();
    }

    // The resident size is taken first, before the measurements' own copies of the text
    // and a second editor add to it.
    MemoryFigure measureMemory()
    {
        MemoryFigure memory;
        memory.fileBytes = QFile(htmlFile_).size();
        closeDocuments();
        memory.residentBeforeOpen = currentResidentBytes();
        resetPeakResident();
        openPage();
        memory.peakResidentWithPage = peakResidentBytes();
        return memory;
    }

    // A bare editor shown like the document's, with its font and its wrapping width. A
    // plain editor wraps at its own width: the scroll bar always shown keeps that width the
    // program's wrapping width whatever the page's length.
    void buildFloorEditor()
    {
        RichTextBox *model = productEditor();
        floor_ = std::make_unique<QPlainTextEdit>();
        floor_->setFont(model->font());
        floor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        floor_->resize(model->size());
        floor_->show();
        settle();
        floor_->resize(floor_->width() + model->WrapWidth() - floor_->viewport()->width(), floor_->height());
        settle();
    }

    void resetProduct(const QString &text)
    {
        document()->editor().SetText(text);
        document()->editor().SetSelStart(0);
        settle();
    }

    void resetFloor(const QString &text)
    {
        floor_->setPlainText(text);
        settle();
    }

    // Whether the operation is measured in this run; the checks of one left out are
    // left out too.
    bool wanted(const QString &name)
    {
        measured_ = workload_.only.isEmpty() || name == workload_.only;
        return measured_;
    }

    void mismatch(const QString &text)
    {
        if (measured_)
            results_.mismatches.append(text);
    }

    void compareTexts(const QString &operation)
    {
        if (productEditor()->document()->toRawText() != floor_->document()->toRawText())
            mismatch(operation + QStringLiteral(": the program's text differs from the floor's"));
    }

    // A page opens into a new window, never into one already filled, so the floor's editor
    // is made afresh as well: the memory the last one gave back is taken again, as the
    // program takes it again for the page's new window.
    void dropFloorEditor()
    {
        floor_.reset();
        settle();
    }

    void measureOpen()
    {
        measure(
            QStringLiteral("open"), [&] { closeDocuments(); }, [&] { openPage(); }, [&] { dropFloorEditor(); },
            [&] {
                buildFloorEditor();
                floor_->setPlainText(QString::fromUtf8(readAll(htmlFile_)));
                settle();
            });
        if (!document() || document()->editor().Text() != text_)
            mismatch(QStringLiteral("open: the document does not hold the file's text"));
    }

    // Opening as a user opens a page, through the file command into the shown frame, until
    // the first paint and a key press are answered.
    void measureOpenShown()
    {
        measure(
            QStringLiteral("open_shown"), [&] { closeDocuments(); },
            [&] {
                openPage();
                paintAndGoToEnd(productEditor());
            },
            [&] { dropFloorEditor(); },
            [&] {
                buildFloorEditor();
                floor_->setPlainText(QString::fromUtf8(readAll(htmlFile_)));
                paintAndGoToEnd(floor_.get());
            });
    }

    // The same opening against a bare rich-text editor.
    void measureRichOpenShown()
    {
        measure(
            QStringLiteral("open_shown_rich"), [&] { closeDocuments(); },
            [&] {
                openPage();
                paintAndGoToEnd(productEditor());
            },
            [&] { rich_->drop(); },
            [&] {
                rich_->rebuild();
                rich_->setText(QString::fromUtf8(readAll(htmlFile_)));
                paintAndGoToEnd(rich_->editor());
            });
    }

    void measureSave()
    {
        const QString productFile = temp_.filePath(QStringLiteral("saved.htm"));
        const QString floorFile = temp_.filePath(QStringLiteral("floor.htm"));
        const QByteArray bytes = readAll(htmlFile_);
        // Any save takes the text out of its editor and encodes it before writing it.
        floor_->setPlainText(text_);
        settle();
        measure(
            QStringLiteral("save"), [] {}, [&] { SaveDocumentFile(frame_, productFile); }, [] {},
            [&] {
                QString text = floor_->document()->toRawText();
                const QByteArray encoded = text.replace(QChar::ParagraphSeparator, QLatin1Char('\n')).toUtf8();
                QSaveFile file(floorFile);
                if (file.open(QIODevice::WriteOnly) && file.write(encoded) == encoded.size())
                    file.commit();
            },
            0, Turns::Alternating);
        if (readAll(productFile) != bytes || readAll(floorFile) != bytes)
            mismatch(QStringLiteral("save: a saved file differs from the opened one"));
    }

    void measureColour()
    {
        measure(
            QStringLiteral("colour"), [&] { resetProduct(text_); },
            [&] {
                ColorTags(frame_);
                settle();
            },
            [&] { resetFloor(text_); }, [&] { colourTags(floor_->document()); });
    }

    void measureRichColour()
    {
        measure(
            QStringLiteral("colour_rich"), [&] { resetProduct(text_); },
            [&] {
                ColorTags(frame_);
                settle();
            },
            [&] { rich_->setText(text_); }, [&] { colourTags(rich_->editor()->document()); });
    }

    // Every tag given the colour the pass gives it, one cursor, one edit block.
    void colourTags(QTextDocument *page)
    {
        QTextCharFormat format;
        format.setForeground(QColor(0, 0, 255));
        QTextCursor cursor(page);
        cursor.beginEditBlock();
        for (const TagRange &tag : tags_) {
            cursor.setPosition(tag.start);
            cursor.setPosition(tag.start + tag.length, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(format);
        }
        cursor.endEditBlock();
        settle();
    }

    // Color Tags While Typing turned on over the page as it shows, against the floor's
    // highlighter colouring the same page as it goes into the floor's editor; both laid
    // out to the end.
    void measureColourOn()
    {
        QAction *item = document()->action(QStringLiteral("mnuOptionsColorTagsWhileTyping"));
        const auto off = [&] {
            if (item->isChecked())
                item->trigger();
        };
        measure(
            QStringLiteral("colour_on"),
            [&] {
                off();
                resetProduct(text_);
                finishLayout(productEditor());
            },
            [&] {
                item->trigger();
                finishLayout(productEditor());
            },
            [&] {
                floorHighlighter_.reset();
                floor_->clear();
            },
            [&] {
                floorHighlighter_ = std::make_unique<BareTagHighlighter>(TagColorFor(frame_, document()->editor()));
                floorHighlighter_->setDocument(floor_->document());
                QCoreApplication::sendPostedEvents(floorHighlighter_.get(), QEvent::MetaCall);
                resetFloor(text_);
                finishLayout(floor_.get());
            });
        off();
        floorHighlighter_.reset();
    }

    void measureCase(const QString &name, const QString &start, void (*pass)(Program &),
                     QString (*convert)(QString))
    {
        const QList<Replacement> replacements = convertedTags(start, tags_, convert);
        measure(
            name, [&] { resetProduct(start); },
            [&] {
                pass(frame_);
                settle();
            },
            [&] { resetFloor(start); },
            [&] {
                applyReplacements(floor_->document(), replacements);
                settle();
            });
        compareTexts(name);
    }

    void measureFind()
    {
        SearchState &search = frame_.Search();
        int productHits = 0;
        int floorHits = 0;
        measure(
            QStringLiteral("find"),
            [&] {
                resetProduct(text_);
                search.FindText = frequentWord;
                search.MatchCase = 0;
                search.SearchDirection = 1;
                search.FindTextChanged = true;
                productHits = 0;
            },
            [&] {
                // Find Next until the program says there is no further occurrence.
                const int shownBefore = messages_.shown;
                while (messages_.shown == shownBefore) {
                    FindNextMatch(frame_, search);
                    ++productHits;
                }
                --productHits;
                settle();
            },
            [&] {
                resetFloor(text_);
                floorHits = 0;
            },
            [&] {
                const QString text = floor_->toPlainText();
                for (qsizetype at = text.indexOf(frequentWord, 0, Qt::CaseInsensitive); at >= 0;
                     at = text.indexOf(frequentWord, at + 1, Qt::CaseInsensitive)) {
                    selectInView(floor_.get(), at, frequentWord.size());
                    ++floorHits;
                }
                settle();
            });
        if (productHits != floorHits)
            mismatch(QStringLiteral("find: the program found %1 occurrences, the floor %2")
                                           .arg(productHits)
                                           .arg(floorHits));
    }

    // One Find Next from the middle of a page just opened, which has to lay the page out
    // as far as the occurrence.
    void measureFindNext()
    {
        SearchState &search = frame_.Search();
        const int middle = int(text_.size() / 2);
        measure(
            QStringLiteral("find_next"),
            [&] {
                resetProduct(text_);
                document()->editor().SetSelStart(middle);
                search.FindText = frequentWord;
                search.MatchCase = 0;
                search.SearchDirection = 1;
                search.FindTextChanged = true;
            },
            [&] {
                FindNextMatch(frame_, search);
                settle();
            },
            [&] {
                resetFloor(text_);
                QTextCursor cursor(floor_->document());
                cursor.setPosition(middle);
                floor_->setTextCursor(cursor);
            },
            [&] {
                const qsizetype at = floor_->toPlainText().indexOf(frequentWord, middle, Qt::CaseInsensitive);
                selectInView(floor_.get(), at, frequentWord.size());
                settle();
            });
        if (productEditor()->textCursor().selectionStart() != floor_->textCursor().selectionStart())
            mismatch(QStringLiteral("find_next: the program and the floor selected different occurrences"));
    }

    void measureReplaceAll()
    {
        SearchState &search = frame_.Search();
        QList<Replacement> replacements;
        for (qsizetype at = text_.indexOf(frequentWord, 0, Qt::CaseInsensitive); at >= 0;
             at = text_.indexOf(frequentWord, at + frequentWord.size(), Qt::CaseInsensitive))
            replacements.append({int(at), int(frequentWord.size()), replacementWord});
        measure(
            QStringLiteral("replace_all"),
            [&] {
                resetProduct(text_);
                search.ReplaceAllFind = frequentWord;
                search.ReplaceAllWith = replacementWord;
                search.MatchCase = 0;
            },
            [&] {
                ReplaceAll(frame_, search);
                settle();
            },
            [&] { resetFloor(text_); },
            [&] {
                floor_->setTextCursor(applyReplacements(floor_->document(), replacements));
                floor_->ensureCursorVisible();
                settle();
            });
        compareTexts(QStringLiteral("replace_all"));
    }

    // A large fragment put in at the caret, at the top of the page, as a dialog or Insert
    // File puts it in.
    void measureInsertLarge()
    {
        const QString fragment = QString::fromUtf8(GeneratePage(workload_.insertBytes));
        measure(
            QStringLiteral("insert_large"), [&] { resetProduct(text_); },
            [&] {
                document()->editor().SetSelText(fragment);
                settle();
            },
            [&] { resetFloor(text_); },
            [&] {
                QTextCursor cursor(floor_->document());
                cursor.beginEditBlock();
                cursor.insertText(fragment);
                cursor.endEditBlock();
                floor_->setTextCursor(cursor);
                settle();
            });
        compareTexts(QStringLiteral("insert_large"));
    }

    // Check Page's list against HTML Tidy alone on the same text.
    void measureCheckPage()
    {
        int floorProblems = 0;
        measure(
            QStringLiteral("check_page"), [&] { resetProduct(text_); },
            [&] {
                frame_.PageProblems().Check(document()->editor());
                settle();
            },
            [] {}, [&] { floorProblems = tidyAlone(text_); });
        const qsizetype shown = frame_.PageProblems().problems().size();
        if (shown != floorProblems)
            mismatch(
                QStringLiteral("check_page: the program lists %1 problems, Tidy alone reports %2").arg(shown).arg(floorProblems));
    }

    // Characters typed where `caret` puts the caret, each as a key press and release
    // followed by what the window does before the next key: the program's with its line
    // numbers, status bar and tags coloured while typing; then the same against the bare
    // rich-text editor.
    void measureTyping(const QString &name, QTextCursor (*caret)(QTextDocument *))
    {
        const int keys = workload_.typedKeys;
        const auto type = [caret, keys](auto *editor) {
            editor->setTextCursor(caret(editor->document()));
            typeKeys(editor, keys);
        };
        const auto settled = [&] { finishLayouts(); };
        if (wanted(name)) {
            colourWhileTyping(true);
            measure(name, settled, [&] { type(productEditor()); }, settled, [&] { type(floor_.get()); }, keys);
            compareWith(floor_->document(), name);
            colourWhileTyping(false);
        }
        const QString richName = name + QStringLiteral("_rich");
        if (wanted(richName)) {
            colourWhileTyping(true);
            measure(richName, settled, [&] { type(productEditor()); }, settled, [&] { type(rich_->editor()); }, keys);
            compareWith(rich_->editor()->document(), richName);
            colourWhileTyping(false);
        }
    }

    // What the user sees after typing: the same text, its lines in view coloured the same
    // (the program colours a line only once it is shown).
    void compareWith(QTextDocument *floorPage, const QString &operation)
    {
        RichTextBox *editor = productEditor();
        if (editor->document()->toRawText() != floorPage->toRawText())
            mismatch(operation + QStringLiteral(": the program's text differs from the floor's"));
        const QColor tagColor = TagColorFor(frame_, document()->editor());
        const int firstLine = editor->firstVisibleBlock().blockNumber();
        const int lastLine = editor->cursorForPosition(QPoint(0, editor->viewport()->height() - 1)).blockNumber();
        if (colouredTagOpenings(editor->document(), tagColor, firstLine, lastLine)
            != colouredTagOpenings(floorPage, tagColor, firstLine, lastLine))
            mismatch(operation + QStringLiteral(": the program colours the page otherwise than the floor"));
    }

    // Runs events until the loop armed by arm is told to quit, at most 10 s.
    void runUntilQuit(const std::function<void(QEventLoop &)> &arm)
    {
        QEventLoop loop;
        arm(loop);
        bool late = false;
        QTimer::singleShot(10'000, &loop, [&] {
            late = true;
            loop.quit();
        });
        loop.exec();
        if (late)
            mismatch(QStringLiteral("the preview or its floor did not show the page within 10 s"));
    }

    // Waits, events running, until the object sends the signal.
    template <class Sender, class Signal> void waitFor(Sender *sender, Signal signal)
    {
        runUntilQuit([&](QEventLoop &loop) { QObject::connect(sender, signal, &loop, &QEventLoop::quit); });
    }

    LivePreviewDock *preview() { return frame_.findChild<LivePreviewDock *>(); }

    // The preview on the start of the page: from a key typed to the page shown again with
    // its scroll and outline, less the pause the preview waits for typing to end; the floor
    // is the bare engine loading the same text into a view of the same size.
    void measurePreviewRefresh()
    {
        if (!wanted(QStringLiteral("preview_refresh")))
            return;
        const QString page = text_.left(previewedChars);
        resetProduct(page);
        frame_.SetLivePreview(true);
        waitFor(preview(), &LivePreviewDock::refreshed);
        QString error;
        const std::unique_ptr<BareWebView> floorView(LoadBareWebView(error));
        if (!floorView) {
            mismatch(QStringLiteral("preview_refresh: the bare engine view could not be loaded: ") + error);
            frame_.SetLivePreview(false);
            resetProduct(text_);
            return;
        }
        floorView->widget()->resize(preview()->widget()->size());
        floorView->widget()->show();
        const QUrl base = QUrl::fromLocalFile(htmlFile_);
        int runs = 0;
        measure(
            QStringLiteral("preview_refresh"), [] {},
            [&] {
                typeKeys(productEditor(), 1);
                waitFor(preview(), &LivePreviewDock::refreshed);
            },
            [] {},
            [&] {
                runUntilQuit([&](QEventLoop &loop) {
                    floorView->setHtml(page + QString::number(++runs), base, [&loop] { loop.quit(); });
                });
            },
            0, Turns::OneSideThenTheOther, LivePreviewDock::RefreshDelayMs);
        frame_.SetLivePreview(false);
        resetProduct(text_);
    }

    // Keys typed at the top of the start of the page, with the preview open against closed.
    void measureTypingWithPreview()
    {
        if (!wanted(QStringLiteral("type_top_preview")))
            return;
        resetProduct(text_.left(previewedChars));
        frame_.SetLivePreview(true);
        waitFor(preview(), &LivePreviewDock::refreshed);
        bool typed = false;
        const auto typeAtTop = [&] {
            productEditor()->setTextCursor(QTextCursor(productEditor()->document()->findBlockByNumber(1)));
            typeKeys(productEditor(), workload_.typedKeys);
            typed = true;
        };
        measure(
            QStringLiteral("type_top_preview"),
            [&] {
                // The refresh the last run's keys asked for is shown before the next run.
                if (typed)
                    waitFor(preview(), &LivePreviewDock::refreshed);
                typed = false;
                finishLayout(productEditor());
            },
            typeAtTop,
            [&] {
                frame_.SetLivePreview(false);
                finishLayout(productEditor());
            },
            typeAtTop, workload_.typedKeys);
        resetProduct(text_);
    }

    // The program colours tags as the user types; each floor's page is coloured alike, the
    // same tags in the same colour, before anything is timed.
    void colourWhileTyping(bool on)
    {
        ColorTagsWhileTyping(frame_, *document(), on);
        floorHighlighter_.reset();
        rich_->setHighlighter(nullptr);
        if (!on)
            return;
        const QColor colour = TagColorFor(frame_, document()->editor());
        // Coloured as the text goes in, the page is laid out once rather than once a line.
        floor_->clear();
        floorHighlighter_ = std::make_unique<BareTagHighlighter>(colour);
        floorHighlighter_->setDocument(floor_->document());
        QCoreApplication::sendPostedEvents(floorHighlighter_.get(), QEvent::MetaCall);
        resetProduct(text_);
        resetFloor(text_);
        rich_->setHighlighter(std::make_unique<BareTagHighlighter>(colour));
        rich_->setText(text_);
    }

    // Neither side is timed while Qt still lays out the other side's page, nor the rich-text
    // floor's, whose layout Qt runs from a timer a piece at a time.
    void finishLayouts()
    {
        finishLayout(productEditor());
        finishLayout(floor_.get());
        finishLayout(rich_->editor());
    }

    void setHtmlHelpers(bool on)
    {
        for (const char *helper : htmlHelpers) {
            QAction *item = document()->action(QStringLiteral("mnuOptions") + QLatin1String(helper));
            if (item->isChecked() != on)
                item->trigger();
        }
    }

    // Keys typed at the top of `page` with the HTML-aware help on (colouring, closing and renaming tags,
    // matching tags, completion), against the same keys with all of it off.
    void measureHtmlTyping(const QString &name, const QString &page)
    {
        if (!wanted(name))
            return;
        const auto typeAtTop = [&] {
            RichTextBox *editor = productEditor();
            editor->setTextCursor(QTextCursor(editor->document()->findBlockByNumber(1)));
            typeKeys(editor, workload_.typedKeys);
        };
        const auto prepare = [&](bool on) {
            setHtmlHelpers(false);
            resetProduct(page);
            setHtmlHelpers(on);
            finishLayout(productEditor());
        };
        measure(
            name, [&] { prepare(true); }, typeAtTop, [&] { prepare(false); }, typeAtTop, workload_.typedKeys);
        setHtmlHelpers(false);
        resetProduct(text_);
    }

    // The first pages of the page scrolled through a page at a time, each painted; then the
    // same against the bare rich-text editor.
    void measureScroll()
    {
        const auto scrollToTop = [&](QAbstractScrollArea *editor) {
            editor->verticalScrollBar()->setValue(0);
            finishLayouts();
        };
        const auto sides = [&](const QString &name, QAbstractScrollArea *floor) {
            if (!wanted(name))
                return;
            colourWhileTyping(true);
            measure(
                name, [&] { scrollToTop(productEditor()); }, [&] { pageThrough(productEditor(), scrolledPages); },
                [&] { scrollToTop(floor); }, [&] { pageThrough(floor, scrolledPages); });
            colourWhileTyping(false);
        };
        sides(QStringLiteral("scroll"), floor_.get());
        sides(QStringLiteral("scroll_rich"), rich_->editor());
    }

    QString htmlFile_;
    int repetitions_;
    Workload workload_;
    BenchPlatform bench_;
    CountingMessages &messages_;
    frmMDI frame_;
    QTemporaryDir temp_;
    QString text_;
    QList<TagRange> tags_;
    std::unique_ptr<QPlainTextEdit> floor_;
    std::unique_ptr<BareTagHighlighter> floorHighlighter_;
    std::unique_ptr<RichTextFloor> rich_;
    BenchResults results_;
    std::function<void(const OperationFigures &)> report_;
    bool measured_ = true;
};

} // namespace

BenchResults RunOperations(const QString &htmlFile, int repetitions, const Workload &workload,
                           const std::function<void(const OperationFigures &)> &report)
{
    Bench bench(htmlFile, repetitions, workload);
    return bench.run(report);
}
