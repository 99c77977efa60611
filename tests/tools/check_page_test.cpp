#include "support/program_fixture.h"

#include "document/notepad_window.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"
#include "tools/page_check.h"
#include "tools/page_problems_panel.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTreeView>

#include <tuple>
#include <utility>

// Failures show the rows as Tidy's findings, not as bytes.
void PrintTo(const PageProblem &problem, std::ostream *out)
{
    *out << problem.line << ":" << problem.column << " " << problem.severity.toStdString() << " "
         << problem.message.toStdString();
}

namespace {

// Tabs count to Tidy's tab stops, where the reader sees one character, and the emoji as
// one column, as the reader sees it; the font and blink findings come from Tidy's repair
// pass, after the parser's own.
const QString knownProblems = QStringLiteral("<!DOCTYPE html>\n"
                                             "<html><head><title>x</title></head><body>\n"
                                             "\t<font color=red>hi</font><p>x<b>y</p>\n"
                                             "\t\t<foo>\U0001F600<blink>z\n"
                                             "</body></html>\n");

const QList<PageProblem> knownRows = {
    {3, 2, "Warning", "<font> element removed from HTML5"},
    {3, 31, "Warning", "missing </b> before </p>"},
    {4, 3, "Error", "<foo> is not recognized!"},
    {4, 3, "Warning", "discarding unexpected <foo>"},
    {4, 8, "Warning", "inserting implicit <b>"},
    {4, 9, "Warning", "missing </blink> before </body>"},
    {4, 9, "Warning", "<blink> is not approved by W3C"},
};

QString withBody(const QString &doctype, const QString &body)
{
    return doctype + QStringLiteral("<html><head><title>t</title></head><body>") + body
           + QStringLiteral("</body></html>\n");
}

TEST(FindPageProblems, ListsTidysWarningsAndErrorsInThePagesOrder)
{
    const QString html4 = QStringLiteral(
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" \"http://www.w3.org/TR/html4/loose.dtd\">\n");
    const QString html5 = QStringLiteral("<!DOCTYPE html>\n");
    const std::tuple<const char *, QString, QList<PageProblem>> cases[] = {
        {"known problems", knownProblems, knownRows},
        {"empty page", QString(), {{1, 1, "Warning", "inserting missing 'title' element"}}},
        {"clean HTML5", withBody(html5, QStringLiteral("<p>fine</p>")), {}},
        {"HTML 4 keeps font", withBody(html4, QStringLiteral("<font color=\"red\">old</font>")), {}},
        {"HTML5 drops font",
         withBody(html5, QStringLiteral("<font color=\"red\">old</font>")),
         {{2, 42, "Warning", "<font> element removed from HTML5"}}},
        {"NUL before a finding", withBody(html5, QString::fromUtf8(QByteArray("<p>a\0</p><blink>z</blink>", 25))),
         {{2, 51, "Warning", "<blink> is not approved by W3C"}}},
        {"a lone surrogate before a finding", withBody(html5, "<p>" + QString(QChar(0xD800)) + "a</p><blink>z</blink>"),
         {{2, 51, "Warning", "<blink> is not approved by W3C"}}},
    };
    for (const auto &[name, text, rows] : cases)
        EXPECT_EQ(FindPageProblems(text), rows) << name;
}

class CheckPageTest : public ProgramTest
{
protected:
    PageProblemsPanel &panel() { return frame().PageProblems(); }
    QTreeView *rows() { return panel().view(); }
    QString cell(int row, int column) { return rows()->model()->index(row, column).data().toString(); }
};

TEST_F(CheckPageTest, RowsLeadToTheirPlaceByReturnOrDoubleClickAndGoWithANewCheckOrThePage)
{
    start();
    frame().show();
    choose("mnuFileOpen", writeFile("page.htm", knownProblems.toUtf8()));
    QTest::keyClick(activeEditor(), Qt::Key_F7);

    ASSERT_TRUE(panel().isVisible());
    ASSERT_EQ(rows()->model()->rowCount(), knownRows.size());
    EXPECT_EQ(QStringList({cell(4, 0), cell(4, 1), cell(4, 2), cell(4, 3)}),
              QStringList({"4", "8", "Warning", "inserting implicit <b>"}));
    const auto header = [this](int column) { return rows()->model()->headerData(column, Qt::Horizontal).toString(); };
    EXPECT_EQ(QStringList({header(0), header(3)}), QStringList({"Line", "Message"}));
    EXPECT_FALSE(rows()->model()->headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid()) << "no tooltip repeats it";
    EXPECT_FALSE(panel().findChild<QLabel *>("lblCheckPageNone")->isVisible());

    const int lineFour = int(knownProblems.indexOf(QLatin1String("\t\t<foo>")));
    rows()->setFocus();
    rows()->setCurrentIndex(rows()->model()->index(4, 3));
    QTest::keyClick(rows(), Qt::Key_Return);
    EXPECT_EQ(activeDocument()->editor().SelStart(), lineFour + 7);
    EXPECT_TRUE(activeEditor()->hasFocus());
    // Past the emoji, the row, the status bar and Go to Line count the same column.
    rows()->setCurrentIndex(rows()->model()->index(5, 3));
    QTest::keyClick(rows(), Qt::Key_Return);
    EXPECT_EQ(activeDocument()->editor().SelStart(), lineFour + 9);
    EXPECT_EQ(frame().statusBar()->findChild<QLabel *>("lblCaret")->text(), "Ln 4, Col " + cell(5, 1));
    activeDocument()->editor().SetSelStart(0);
    choose("mnuEditGoToLine");
    auto *goTo = frame().findChild<QDialog *>("frmGoToLine");
    ASSERT_NE(goTo, nullptr);
    goTo->findChild<QLineEdit *>("txtLineNumber")->setText("4:" + cell(5, 1));
    QTest::mouseClick(goTo->findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
    EXPECT_EQ(activeDocument()->editor().SelStart(), lineFour + 9);

    const QModelIndex first = rows()->model()->index(0, 0);
    rows()->scrollTo(first);
    // A double click reaches a widget as a click followed by a double-click event.
    const QPoint centre = rows()->visualRect(first).center();
    QTest::mouseClick(rows()->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(rows()->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(activeDocument()->editor().SelStart(), int(knownProblems.indexOf(QLatin1String("<font"))));

    // A finding on no line, as when Tidy cannot check the page, shows no place.
    panel().Show({{0, 0, "Error", "HTML Tidy could not check the page (error 12)"}});
    EXPECT_EQ(QStringList({cell(0, 0), cell(0, 1), cell(0, 2)}), QStringList({"", "", "Error"}));

    // A second check replaces the rows, and a closed page takes them away.
    activeDocument()->editor().SetText(withBody(QStringLiteral("<!DOCTYPE html>\n"), QStringLiteral("<p>ok</p>")));
    choose("mnuToolsCheckPage");
    EXPECT_EQ(rows()->model()->rowCount(), 0);
    EXPECT_TRUE(panel().findChild<QLabel *>("lblCheckPageNone")->isVisible());
    messages().queue({MsgAnswer::No});
    choose("mnuFileClose");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(panel().isVisible());
}

TEST_F(CheckPageTest, TidySelectionRepairsWhatItCanInOneUndoStepAndLeavesErrorsAlone)
{
    start();
    type("<h1>List</h1>");
    QTest::keyClick(activeEditor(), Qt::Key_Return);
    type("<ul><li>one<li>two</ul>");
    EditorSurface &editor = activeDocument()->editor();
    editor.SetSelection(14, 23);
    choose("mnuToolsTidySelection");
    EXPECT_EQ(editor.Text(), "<h1>List</h1>\n<ul>\n<li>one</li>\n<li>two</li>\n</ul>");

    choose("mnuEditUndoLast");
    EXPECT_EQ(editor.Text(), "<h1>List</h1>\n<ul><li>one<li>two</ul>");

    editor.SetText(QStringLiteral("<p>x<foo>y</p>"));
    choose("mnuEditSelectAll");
    choose("mnuToolsTidySelection");
    EXPECT_EQ(editor.Text(), "<p>x<foo>y</p>");

    // A whole page Tidy finds nothing to warn of is laid out all the same.
    editor.SetText(QStringLiteral("<!DOCTYPE html><html><head><title>t</title></head><body><p>x</p></body></html>"));
    choose("mnuEditSelectAll");
    choose("mnuToolsTidySelection");
    EXPECT_EQ(editor.Text(), "<!DOCTYPE html>\n<html>\n<head>\n<title>t</title>\n</head>\n<body>\n<p>x</p>\n</body>\n</html>");
}

} // namespace
