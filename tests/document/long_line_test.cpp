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
    for (const auto &[name, bytes, number] : {std::tuple{"long.htm", "<html>\n" + line + "\n</html>", 2},
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
}

} // namespace
