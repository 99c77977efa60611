#include "support/program_fixture.h"

#include "document/html_colours.h"
#include "document/notepad_window.h"
#include "document/tag_colouring.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"

#include <QAction>
#include <QSettings>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace {

class HtmlHighlightingTest : public ProgramTest
{
protected:
    // Each character as the layout paints it: t tag, a attribute name, v value or string,
    // c comment, d doctype, r reference, n number, k keyword, '.' unpainted; lines
    // joined with "|".
    QString paint()
    {
        const HtmlColours colours(activeEditor()->palette(), TagColorFor(frame(), activeDocument()->editor()));
        const QList<QPair<QColor, QChar>> letters = {
            {colours.tag().foreground().color(), 't'},
            {colours.of(TagPart::AttributeName).foreground().color(), 'a'},
            {colours.of(TagPart::AttributeValue).foreground().color(), 'v'},
            {colours.of(TagPart::Comment).foreground().color(), 'c'},
            {colours.of(TagPart::Doctype).foreground().color(), 'd'},
            {colours.reference().foreground().color(), 'r'},
            {colours.of(CodePart::Number).foreground().color(), 'n'},
            {colours.of(CodePart::Keyword).foreground().color(), 'k'},
        };
        QString painted;
        for (QTextBlock block = activeEditor()->document()->begin(); block.isValid(); block = block.next()) {
            QString line(block.length() - 1, QLatin1Char('.'));
            for (const QTextLayout::FormatRange &range : block.layout()->formats())
                for (const auto &[color, letter] : letters)
                    if (range.format.foreground().color() == color)
                        line.replace(range.start, range.length, QString(range.length, letter));
            painted += line + (block.next().isValid() ? QStringLiteral("|") : QString());
        }
        return painted;
    }

    void show(const QString &text)
    {
        activeDocument()->editor().SetText(text);
        QCoreApplication::processEvents();
    }

    // The characters the Color Tags Now pass paints, as paint() marks tags.
    QString paintedByPass()
    {
        const QString text = activeDocument()->editor().Text();
        QString marks(text.size(), QLatin1Char('.'));
        for (const TagRange &tag : FindTags(text))
            marks.replace(tag.start, tag.length, QString(tag.length, QLatin1Char('t')));
        for (qsizetype at = 0; at < text.size(); ++at)
            if (text[at] == QLatin1Char('\n'))
                marks[at] = QLatin1Char('|');
        return marks;
    }
};

TEST_F(HtmlHighlightingTest, EachKindOfTokenHasItsColourAndAnEditRecoloursWhatItChanges)
{
    start();
    // The other helpers read what is typed too, and leave the colouring as it is.
    for (const char *item : {"mnuOptionsColorTagsWhileTyping", "mnuOptionsAutoCloseTags", "mnuOptionsCompletions"})
        choose(item);
    show("<!DOCTYPE html>\n"
         "<p class=\"a>b\" id=c>x &amp; &#233; &#xE9; &no a&b; y</p>\n"
         "<!-- <b>\n"
         "c --><i\n"
         "title='x\n"
         "'>\n"
         "<script type=module>\n"
         "if (a < b && c > d) go(\"</p>\", 12 / 4); // note\n"
         "/* long\n"
         "*/ var s = `a\n"
         "b`;</SCRIPT\n"
         "><style>p a:b { color: red; margin: 2px; width: 50% } i:j /* x */</style>");
    EXPECT_EQ(paint().split('|'), QStringList({
        "ddddddddddddddd",
        "tt.aaaaa.vvvvv.aa.vt..rrrrr.rrrrrr.rrrrrr......rrr..tttt",
        "cccccccc",
        "ccccctt",
        "aaaaa.vv",
        "vt",
        "ttttttt.aaaa.vvvvvvt",
        "kk.....................vvvvvv..nn...n...ccccccc",
        "ccccccc",
        "cc.kkk.....vv",
        "vv.tttttttt",
        "tttttttt........aaaaa.......aaaaaa..nnn..aaaaa..nnn.......ccccccctttttttt",
    }));

    // Closing the comment early changes how the lines below read, and they are read again.
    QTextCursor cursor(activeEditor()->document()->findBlockByNumber(2));
    cursor.movePosition(QTextCursor::EndOfBlock);
    activeEditor()->setTextCursor(cursor);
    type(" -->");
    QCoreApplication::processEvents();
    EXPECT_EQ(paint().split('|').mid(2, 3), QStringList({"cccccccccccc", ".....tt", "aaaaa.vv"}));
}

TEST_F(HtmlHighlightingTest, PaintsTheTagsThePassColoursAndNeverFreezesOnLongCode)
{
    start();
    choose("mnuOptionsColorTagsWhileTyping");
    for (const QString &text : {QStringLiteral("<script>\nif (a < b && c > d) go();\n</script>"),
                                QStringLiteral("a < b\nc <d\ne> f <g>")}) {
        SCOPED_TRACE(text.toStdString());
        show(text);
        QString tags = paint();
        for (QChar &c : tags)
            if (c != QLatin1Char('|') && c != QLatin1Char('t') && c != QLatin1Char('a'))
                c = QLatin1Char('.');
        tags.replace(QLatin1Char('a'), QLatin1Char('t'));
        EXPECT_EQ(tags, paintedByPass());
    }

    // A long script, closed or never closed, is coloured to its end when the colouring is
    // turned on: its last lines as they come into view.
    for (const QString &end : {QStringLiteral("</script></body></html>"), QString()}) {
        choose("mnuOptionsColorTagsWhileTyping");
        QString page = QStringLiteral("<html><body><script>\n");
        while (page.size() < 400'000)
            page += QStringLiteral("  if (i < n) { total = total + i; }\n");
        show(page + end);
        choose("mnuOptionsColorTagsWhileTyping");
        QTest::keyClick(activeEditor(), Qt::Key_End, Qt::ControlModifier);
        QCoreApplication::processEvents();
        const QStringList lines = paint().split('|');
        EXPECT_EQ(lines.value(lines.size() - 2), "..kk...............................");
        EXPECT_EQ(lines.last(), end.isEmpty() ? QString() : QString(end.size(), QLatin1Char('t')));
    }
}

TEST_F(HtmlHighlightingTest, OnForNewSettingsOnlyAndReadableOnADarkPalette)
{
    {
        QSettings file(settingsFile_, QSettings::IniFormat);
        file.remove(QStringLiteral("ColorTagsWhileTyping"));
    }
    start();
    EXPECT_TRUE(menuItem("mnuOptionsColorTagsWhileTyping")->isChecked());
    choose("mnuOptionsColorTagsWhileTyping");
    start();
    EXPECT_FALSE(menuItem("mnuOptionsColorTagsWhileTyping")->isChecked());

    QPalette dark = activeEditor()->palette();
    dark.setColor(QPalette::Base, Qt::black);
    dark.setColor(QPalette::Text, Qt::white);
    activeEditor()->setPalette(dark);
    choose("mnuOptionsColorTagsWhileTyping");
    show("<!doctype html><a href=\"x\">&amp;<!-- c --></a><script>var n = 1; // x\n</script>");
    for (QTextBlock block = activeEditor()->document()->begin(); block.isValid(); block = block.next())
        for (const QTextLayout::FormatRange &range : block.layout()->formats())
            EXPECT_GE(range.format.foreground().color().lightness(), 150) << range.start;
}

} // namespace
