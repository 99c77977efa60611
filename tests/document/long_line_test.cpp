#include "support/program_fixture.h"

#include "document/line_length_limit.h"
#include "document/notepad_window.h"
#include "platform/editor_surface.h"

namespace {

using LongLineTest = ProgramTest;

TEST_F(LongLineTest, APageWithALineTooLongToLayOutIsRefusedBeforeAnyWindowIsHeldUp)
{
    start();
    type("<p>mine</p>");
    const QByteArray line = "<p>" + QByteArray("word ").repeated(LongestLineShown / 5) + "</p>";
    const QString why = QStringLiteral("Line %1 holds 1,000,007 characters; Tagsmith opens pages whose lines hold at most "
                                       "1,000,000.");
    // A paragraph separator (U+2029) ends a line as a line feed does.
    const QByteArray separator = "\xE2\x80\xA9";
    const QByteArray half = QByteArray("word ").repeated(LongestLineShown / 10);
    for (const auto &[name, bytes, number] : {std::tuple{"long.htm", "<html>\n" + line + "\n</html>", 2},
                                              std::tuple{"separated.htm", "<b>" + separator + "\n" + line, 3},
                                              std::tuple{"long.rtf", "{\\rtf1\\ansi " + line + "\\par}", 1}}) {
        messages().shown.clear();
        open(writeFile(name, bytes));
        EXPECT_EQ(onlyMessage(), "Can't open file " + tempPath(name) + "\r\n" + why.arg(number)) << name;
        EXPECT_EQ(openDocuments().size(), 1) << name;
    }
    messages().shown.clear();
    choose("mnuInsertFile", tempPath("long.htm"));
    EXPECT_EQ(onlyMessage(), "Can't open file " + tempPath("long.htm") + "\r\n" + why.arg(2));
    EXPECT_EQ(activeDocument()->editor().Text(), "<p>mine</p>");
    // Lines that together pass the limit, each ended by a separator, are no long line.
    open(writeFile("halves.htm", "<html>\n" + half + separator + half + "</p>" + separator + half + "\n"));
    EXPECT_EQ(openDocuments().size(), 2);
}

} // namespace
