#include "support/program_fixture.h"

#include "document/notepad_window.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"
#include "preview/live_preview_dock.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

class LivePreviewTest : public ProgramTest
{
protected:
    LivePreviewDock *dock() { return frame().findChild<LivePreviewDock *>(); }
    QWebEngineView *view() { return frame().findChild<QWebEngineView *>(QStringLiteral("webLivePreview")); }
    QString note() { return frame().findChild<QLabel *>(QStringLiteral("lblLivePreviewNote"))->text(); }

    // Opens the page and turns the preview on; true once the page is shown.
    bool preview(const QString &name, const QByteArray &html)
    {
        start();
        open(writeFile(name, html));
        QSignalSpy shown(dock(), &LivePreviewDock::refreshed);
        choose("mnuViewLivePreview");
        return shown.wait(10000);
    }

    QVariant evaluate(const QString &script)
    {
        QVariant result;
        bool done = false;
        view()->page()->runJavaScript(script, [&](const QVariant &value) {
            result = value;
            done = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 5000)) << qPrintable(script);
        return result;
    }

    bool waitFor(const QString &script, const QVariant &expected)
    {
        return QTest::qWaitFor([&] { return evaluate(script) == expected; }, 5000);
    }

    void placeCaret(int position) { activeDocument()->editor().SetSelStart(position); }

    // A click where the element's box begins, as the user gives it in the page.
    void clickElement(const QString &selector)
    {
        const QString corner = "(r => [r.left + 2, r.top + 2])(document.querySelector('%1').getBoundingClientRect())";
        const QVariantList box = evaluate(corner.arg(selector)).toList();
        ASSERT_EQ(box.size(), 2) << qPrintable(selector);
        QTest::mouseClick(view()->focusProxy(), Qt::LeftButton, {}, QPoint(box[0].toInt(), box[1].toInt()));
    }
};

TEST_F(LivePreviewTest, TypingRefreshesThePageWithItsFolderPicturesAndKeepsItsScroll)
{
    QImage(7, 5, QImage::Format_RGB32).save(tempPath("dot.png"));
    writeFile("frame.htm", "<iframe></iframe>");
    ASSERT_TRUE(preview("page.htm", "<p id=\"a\">One</p><img src=\"dot.png\"><iframe src=\"frame.htm\"></iframe><div style=\"height:5000px\"></div>"));
    EXPECT_EQ(evaluate("document.images[0].naturalWidth").toInt(), 7);
    EXPECT_TRUE(waitFor("frames[0].length == 1", true)) << "the frame's page, with its own frame";
    evaluate("window.scrollTo(0, 900)");

    placeCaret(QByteArray("<p id=\"a\">One").size());
    QSignalSpy refreshed(dock(), &LivePreviewDock::refreshed);
    type("Two");
    ASSERT_TRUE(refreshed.wait(5000));
    EXPECT_EQ(evaluate("document.getElementById('a').textContent").toString(), "OneTwo");
    EXPECT_EQ(evaluate("window.scrollY").toInt(), 900);

    // The page back after a note starts at its top.
    QGuiApplication::clipboard()->setText(QString("<p>x</p>\n").repeated(200000));
    choose("mnuEditPaste");
    ASSERT_TRUE(QTest::qWaitFor([&] { return note().contains("too large"); }, 5000));
    choose("mnuEditUndoLast");
    ASSERT_TRUE(refreshed.wait(5000));
    EXPECT_EQ(evaluate("document.getElementById('a').textContent").toString(), "OneTwo");
    EXPECT_EQ(evaluate("window.scrollY").toInt(), 0);
}

TEST_F(LivePreviewTest, ANewPageShowsItselfAndAPageSwitchedToStartsAtItsTopInTheSameFolder)
{
    start();
    QSignalSpy shown(dock(), &LivePreviewDock::refreshed);
    const auto shownAfter = [&](const std::function<void()> &step) {
        const qsizetype before = shown.count();
        step();
        return QTest::qWaitFor([&] { return shown.count() > before; }, 10000);
    };
    const QString tall = "<div style=\"height:5000px\">tall</div>";
    const auto fill = [&] { activeDocument()->editor().SetText(tall); };
    ASSERT_TRUE(shownAfter([&] { choose("mnuViewLivePreview"); }));
    frame().resizeDocks({dock()}, {frame().width() / 4}, Qt::Horizontal);
    frame().layout()->activate();
    const int narrowed = dock()->width();
    // Two Untitled pages share the home folder as their base.
    QMdiSubWindow *first = frame().mdiArea()->activeSubWindow();
    ASSERT_TRUE(shownAfter(fill));
    ASSERT_TRUE(shownAfter([&] { choose("mnuFileNew"); }));
    EXPECT_EQ(dock()->width(), narrowed) << "the width the user gave it";
    EXPECT_EQ(evaluate("document.body.textContent").toString(), "") << "the other page still shown";
    ASSERT_TRUE(shownAfter(fill));
    evaluate("window.scrollTo(0, 700)");
    ASSERT_TRUE(shownAfter([&] { frame().mdiArea()->setActiveSubWindow(first); }));
    EXPECT_EQ(evaluate("window.scrollY").toInt(), 0);
}

TEST_F(LivePreviewTest, TheCaretsElementIsOutlinedAndAClickedElementTakesTheCaretToItsStartTag)
{
    // The page's own handler that stops a click does not keep it from the source. A line
    // break or a form feed ends a tag's name as a blank does.
    const QByteArray html = "<body style=\"padding: 20px\">\n<p\n>first</p>\n<div\fonclick=\"event.stopPropagation()\"><b>bold</b> tail</div>\nafter\n<table><tr><td>cell</td></table></body>";
    ASSERT_TRUE(preview("page.htm", html));
    const QString outlined = "(e => e ? e.tagName : '')(document.querySelector('[data-tagsmith-caret]'))";
    for (const auto &[text, tag] : {std::pair{"old", "B"}, std::pair{"> tail", "DIV"}, std::pair{"ce", "TD"},
                                     std::pair{"<p\n>f", "P"}, std::pair{"after", "BODY"}}) {
        SCOPED_TRACE(text);
        placeCaret(html.indexOf(text) + 1);
        EXPECT_TRUE(waitFor(outlined, tag)) << qPrintable(evaluate(outlined).toString());
    }

    // Cells sit in a tbody the browser made up; the cell's own tag takes the caret, and the
    // body's takes it to the page's very start.
    for (const auto &[selector, tag] : {std::pair{"b", "<b>"}, std::pair{"td", "<td>"}, std::pair{"p", "<p\n>"},
                                        std::pair{"body", "<body"}}) {
        SCOPED_TRACE(selector);
        placeCaret(3);
        clickElement(selector);
        EXPECT_TRUE(QTest::qWaitFor([&] { return activeEditor()->textCursor().position() == html.indexOf(tag); }, 5000));
    }
    // The page's own messages that only look like a click's are no clicks.
    QSignalSpy clicks(view()->page(), SIGNAL(elementClicked(int)));
    evaluate("['x', '-1', '7'].forEach(m => console.log('tagsmith-element:' + m))");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !clicks.isEmpty(); }, 5000));
    EXPECT_EQ(clicks.takeFirst(), QVariantList{7});

    // Until the page shows an edit, its offsets are the old text's: the outline stays
    // where it was (or is gone while the new page loads), then goes to the caret's element.
    placeCaret(html.indexOf("<p\n>f") + 1);
    EXPECT_TRUE(waitFor(outlined, "P"));
    placeCaret(html.indexOf("first"));
    type(QString(20, QLatin1Char('x')));
    placeCaret(html.indexOf("old") + 20);
    const QString shown = evaluate(outlined).toString();
    EXPECT_TRUE(shown == "P" || shown.isEmpty() || shown == "B") << qPrintable(shown);
    EXPECT_TRUE(waitFor(outlined, "B"));
}

TEST_F(LivePreviewTest, AClickedLinkOpensInTheBrowserAndThePreviewStaysOnThePage)
{
    ASSERT_TRUE(preview("page.htm", "<a id=\"l\" href=\"other.htm\" style=\"display:block\">other</a>"
                                    "<a id=\"w\" href=\"http://127.0.0.1:9/\" target=\"_blank\">new window</a>"
                                    "<a id=\"f\" href=\"#far\" style=\"display:block\">far</a>"
                                    "<div style=\"height:5000px\"></div><p id=\"far\">far</p>"));
    clickElement("#l");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !starter().openedUrls.isEmpty(); }, 5000)) << "no browser: the desktop's";
    EXPECT_EQ(starter().openedUrls[0], QUrl::fromLocalFile(tempPath("other.htm")));

    settings().write("Browser1", "BrowserName", "/usr/bin/browser");
    clickElement("#l");
    clickElement("#w");
    ASSERT_TRUE(QTest::qWaitFor([&] { return starter().calls.size() == 2; }, 5000));
    EXPECT_EQ(starter().calls[0].program, "/usr/bin/browser");
    EXPECT_EQ(starter().calls[0].arguments, QStringList{tempPath("other.htm")});
    EXPECT_EQ(starter().calls[1].arguments, QStringList{"http://127.0.0.1:9/"});
    EXPECT_EQ(evaluate("document.getElementById('l').textContent").toString(), "other");
    // A place on the page itself is scrolled to, in the preview. The engine may still be
    // busy with the window the link before asked for and let a click go: one more is given.
    const auto scrolledByClick = [&] {
        clickElement("#f");
        return waitFor("window.scrollY > 4000", true);
    };
    EXPECT_TRUE(scrolledByClick() || scrolledByClick());
    EXPECT_EQ(starter().calls.size(), 2);
    EXPECT_EQ(starter().openedUrls.size(), 1);
}

TEST_F(LivePreviewTest, AnRtfDocumentShowsANoteAndTurningThePreviewOffLetsTheEngineGo)
{
    start();
    open(writeFile("page.htm", "<p>x</p>"));
    QMdiArea *documents = frame().mdiArea();
    QMdiSubWindow *page = documents->activeSubWindow();
    page->showNormal();
    page->setGeometry(documents->viewport()->width() - 300, 20, 500, 300);
    QSignalSpy shown(dock(), &LivePreviewDock::refreshed);
    choose("mnuViewLivePreview");
    ASSERT_TRUE(shown.wait(10000));
    EXPECT_TRUE(documents->viewport()->rect().contains(page->geometry())) << "a window half under the preview";
    open(writeFile("notes.rtf", "{\\rtf1\\ansi plain words}"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return note().contains("RTF"); }, 5000));
    choose("mnuViewLivePreview");
    EXPECT_EQ(view(), nullptr);
    EXPECT_FALSE(dock()->isVisible());
    EXPECT_EQ(stored("LivePreview", "LivePreview"), "False");
}

TEST_F(LivePreviewTest, ABrokenEngineIsNamedInThePreviewAndWithoutTheEngineOrItsHelperTheItemIsDisabled)
{
    // An engine that will not load is named in the preview, and the document is kept.
    qputenv("TAGSMITH_PREVIEW_ENGINE", writeFile("libbroken.so", "not a library").toLocal8Bit());
    start();
    type("<p>kept</p>");
    choose("mnuViewLivePreview");
    qunsetenv("TAGSMITH_PREVIEW_ENGINE");
    EXPECT_TRUE(dock()->isVisible());
    EXPECT_EQ(view(), nullptr);
    EXPECT_TRUE(note().startsWith("The preview's engine could not be loaded: ")) << qPrintable(note());
    EXPECT_TRUE(note().contains("libbroken.so")) << qPrintable(note());
    EXPECT_EQ(activeEditor()->toPlainText(), "<p>kept</p>");
    choose("mnuViewLivePreview");
    EXPECT_FALSE(dock()->isVisible());

    for (const auto &[variable, missing, why] :
         {std::tuple{"QTWEBENGINEPROCESS_PATH", "missing", "helper program is missing"},
          std::tuple{"TAGSMITH_PREVIEW_ENGINE", "libmissing.so", "preview engine is missing"}}) {
        SCOPED_TRACE(variable);
        qputenv(variable, tempPath(missing).toLocal8Bit());
        store("LivePreview", "LivePreview", "True");
        start();
        qunsetenv(variable);
        QAction *item = activeDocument()->action("mnuViewLivePreview");
        EXPECT_FALSE(item->isEnabled());
        EXPECT_TRUE(item->text().contains(why)) << qPrintable(item->text());
        EXPECT_FALSE(dock()->isVisible());
    }
}

} // namespace
