#include "support/dialog_fixture.h"

#include "dialogs/character_set_fragment.h"
#include "dialogs/download_estimate.h"
#include "platform/rich_text_box.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTextDocument>

#include <tuple>

namespace {

class ElementDialogTest : public DialogTest
{
protected:
    struct Opener
    {
        const char *menuItem;
        const char *toolbarButton;
        const char *formName;
    };
    static constexpr Opener openers[] = {
        {"mnuViewBody", "Body", "frmBody"},
        {"mnuViewCharacters", "Characters", "frmCharacterSet"},
        {"mnuViewFont", "Font", "frmFont"},
        {"mnuViewHex", "Hex", "frmRGB"},
        {"mnuViewImage", "Image", "frmImage"},
        {"mnuViewLinks", "Links", "frmLinks"},
        {"mnuViewFrames", "Frames", "frmFrames"},
        {"mnuViewLists", "Lists", "frmLists"},
        {"mnuViewRules", "Rules", "frmRules"},
        {"mnuViewSound", "Sound", "frmSound"},
        {"mnuViewTables", "Tables", "frmTables"},
    };
};

// Every element dialog walked as a user walks it: what is filled in and picked, and the
// HTML it writes over or after the selection.
TEST_F(ElementDialogTest, BodyFontHexAndCharactersWriteWhatIsChosen)
{
    walk("mnuViewBody", "frmBody", {
        {false, "Hello",
         {"cmdBackcolor=color:FFFFFF", "cmdTextColor=color:0000FF", "cmdTextColor=color:0", "cmdTextColor=cancel",
          "?lblBackgroundHex=FFFFFF", "?lblTextHex=000000", "cmdOK"},
         R"(<BODY BGCOLOR="#FFFFFF" TEXT="#000000">Hello</BODY>)"},
        {false, "", {"cmdCLink=color:0000FF", "cmdVLink=color:00FF00", "cmdLinkColor=color:FF0000", "cmdOK"},
         R"(<BODY LINK="#0000FF" VLINK="#00FF00" ALINK="#FF0000"></BODY>)"},
        {true, "",
         {"cmdBackgroundImage=picture:Paper.PNG", "?lblImage=Paper.PNG", "cmdBackcolor=color:00FFFF", "cmdOK"},
         R"(<body background="paper.png" bgcolor="#ffff00"></body>)"},
        // A picture that cannot be read is named and the one chosen before stays.
        {false, "",
         {"cmdBackgroundImage=picture:first.png", "cmdBackgroundImage=bytes:broken.gif", "?lblImage=first.png",
          "cmdBackgroundImage=file:gone.gif", "?lblImage=first.png", "cmdOK"},
         R"(<BODY BACKGROUND="first.png"></BODY>)", {"broken.gif", "gone.gif"}},
    });
    walk("mnuViewFont", "frmFont", {
        {false, "word", {"cmdFontMinusThree"}, R"(<FONT SIZE="-3">word</FONT>)"},
        {true, "Keep THIS", {"cmdFontPlusThree"}, R"(<font size="+3">Keep THIS</font>)"},
        // Cancelled pickers keep the earlier choices.
        {false, "Hello",
         {"cmdFont=font:DejaVu Serif", "?lblFontFace=DejaVu Serif", "cmdFontColor=color:0080FF",
          "?lblFontColor=FF8000", "cboFontSize=5", "cmdFont=cancel", "cmdFontColor=cancel", "cmdOK"},
         R"(<FONT COLOR="#FF8000" SIZE="5" FACE="DejaVu Serif">Hello</FONT>)"},
        {true, "Keep THIS", {"cmdFont=font:Arial", "cmdOK"}, R"(<font face="arial">Keep THIS</font>)"},
    });
    walk("mnuViewHex", "frmRGB", {
        // The code is in capitals whatever the tag case.
        {true, "red",
         {"cmdSelectColor=color:FF", "?lblHexValue=FF0000", "#lblHexValue=FF0000", "cmdSelectColor=cancel",
          "?lblHexValue=FF0000", "cmdOK"},
         "red#FF0000"},
        {false, "keep", {"cmdSelectColor=color:FF", "cmdCancel"}, "keep"},
    });
    walk("mnuViewCharacters", "frmCharacterSet", {
        // References that are easy to confuse, whatever the tag case.
        {true, "", {"cmdDash"}, "&#151;"},
        {true, "", {"cmdCloseQuote"}, "&#93;"},
        {false, "Mixed Text", {"cmdStrikethru"}, "<S>Mixed Text</S>"},
        {true, "Mixed Text", {"cmdUnderline"}, "<u>Mixed Text</u>"},
        {false, "Mixed Text", {"cmdSuperior"}, "<SUP>Mixed Text</SUP>"},
        {true, "Mixed Text", {"cmdInferior"}, "<sub>Mixed Text</sub>"},
    });
}

TEST_F(ElementDialogTest, ImageLinksMetaRulesAndSoundWriteWhatIsChosen)
{
    // Qt's decoding limit, lowered here as for a photograph past its usual 256 MB, is lifted
    // while a picture is read: by a megabyte more than its four bytes a pixel, which a picture
    // of sixteen bits a channel needs.
    const int qtLimit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1);
    walk("mnuViewImage", "frmImage", {
        {false, "",
         {"cmdImage=picture:logo.gif", "?txtSource=logo.gif", "?txtAltText=logo.gif", "?txtHeight=560",
          "?txtWidth=560", "cboAlignment=LEFT", "?lblAlignment=LEFT", "txtBorder=0", "cmdOK"},
         R"(<IMAGE SRC="logo.gif" ALT="logo.gif" HEIGHT="560" WIDTH="560" BORDER="0" ALIGN="LEFT">)"},
        {true, "Hello", {"txtSource=Logo.GIF", "txtHSpace=4", "txtVSpace=2", "cboAlignment=ABSMIDDLE", "cmdOK"},
         R"(Hello<image src="logo.gif" alt="image" height="" width="" hspace="4" vspace="2" align="absmiddle">)"},
        {false, "",
         {"txtSource=kept.gif", "cmdImage=bytes:notes.gif", "?txtSource=kept.gif", "?txtHeight=",
          "?lblDownloadTime=", "cmdOK"},
         R"(<IMAGE SRC="kept.gif" ALT="Image" HEIGHT="" WIDTH="" ALIGN="DEFAULT">)", {"notes.gif"}},
    });
    QImageReader::setAllocationLimit(qtLimit);
    walk("mnuViewLinks", "frmLinks", {
        // A frame of the user's own naming is typed in.
        {false, "", {"txtLink=docs/page.htm", "txtLinkName=Home", "cboTarget=content", "cmdOK"},
         R"(<A HREF="http://docs/page.htm" TARGET="content">Home</A>)"},
        // A relative link takes the picked page's name without its folder; a cancelled
        // pick leaves it alone.
        {false, "", {"cboHREF=relative link", "cmdFindLink=file:/site/docs/Contact.htm", "cmdFindLink=cancel", "cmdOK"},
         R"(<A HREF="Contact.htm"></A>)"},
        {true, "Hello", {"cboHREF=mailto:", "txtLink=Me@Example.ORG", "txtLinkName=Home", "cmdOK"},
         R"(<a href="mailto:me@example.org">homeHello</a>)"},
        // Mail and file links have no target or page picker.
        {false, "",
         {"cboHREF=mailto:", "-cboTarget", "-cmdFindLink", "cboHREF=http://", "+cboTarget", "+cmdFindLink",
          "cboHREF=ftp://", "-cboTarget", "-cmdFindLink", "cboHREF=relative link", "+cboTarget", "+cmdFindLink",
          "cmdCancel"},
         ""},
    });
    walk("mnuInsertSiteInformation", "frmMetaName", {
        {false, "<TITLE>x</TITLE>", {"txtAuthor=Ann Lee", "txtKeyWords=cats, dogs", "cmdOK"},
         "<TITLE>x</TITLE><!-- This material must go after /TITLE and before /HEAD -->\n"
         "<META NAME=\"AUTHOR\" CONTENT=\"Ann Lee\">\n<META NAME=\"KEYWORDS\" CONTENT=\"cats, dogs\">\n"},
        {true, "",
         {"txtAuthor=ANN LEE", "txtClassification=Pets", "txtDescription=All About Cats", "txtKeyWords=CATS", "cmdOK"},
         "<!-- This material must go after /TITLE and before /HEAD -->\n"
         "<meta name=\"author\" content=\"ANN LEE\">\n<meta name=\"classification\" content=\"Pets\">\n"
         "<meta name=\"description\" content=\"All About Cats\">\n<meta name=\"keywords\" content=\"CATS\">\n"},
    });
    walk("mnuViewRules", "frmRules", {
        {false, "", {"cboShadow=NO", "cmdOK"}, "<HR WIDTH=\"75%\" NOSHADE>\n"},
        {false, "", {"txtWidth=", "cmdOK"}, "<HR>\n"},
        {false, "", {"txtWidth=300", "cboWidth=ABSOLUTE", "cmdOK"}, "<HR WIDTH=\"300\">\n"},
        {false, "", {"txtHeight=3", "cmdOK"}, "<HR HEIGHT=\"3\" WIDTH=\"75%\">\n"},
        // A file that is no picture is refused and the graphic chosen before stays.
        {true, "",
         {"cmdUseGraphic=picture:Blue Bar.PNG", "cmdUseGraphic=bytes:notes.gif", "txtHeight=8", "cboShadow=NO",
          "cmdOK"},
         "<img src=\"blue bar.png\" height=\"8\" width=\"75%\" noshade>\n", {"notes.gif"}},
        {true, "", {"cmdUseGraphic=picture:bar.png", "cmdUseGraphic=cancel", "cmdOK"}, "<hr width=\"75%\">\n"},
    });
    walk("mnuViewSound", "frmSound", {
        {false, "Page", {"txtSound=tune.mid", "cboLoop=PLAY ONCE", "cmdOK"},
         R"(Page<EMBED SRC="tune.mid" AUTOSTART="TRUE" LOOP="FALSE" HIDDEN="TRUE">)"},
        {false, "Page", {"txtSound=tune.mid", "cboBrowser=EXPLORER", "cmdOK"},
         R"(Page<BGSOUND SRC="tune.mid" LOOP="INFINITE">)"},
        {false, "Page", {"txtSound=tune.mid", "cboBrowser=EXPLORER", "cboLoop=PLAY ONCE", "cmdOK"},
         R"(Page<BGSOUND SRC="tune.mid" LOOP="1">)"},
    });
    // The picked sound goes in with its whole path; a file gone since the list was shown, or
    // a folder, is named and changes nothing.
    const QString theme = tempPath("Theme.MID");
    walk("mnuInsertSound", "frmSound", {
        {true, "",
         {"cmdFindSound=bytes:Theme.MID", "?txtSound=" + theme, "cmdFindSound=cancel", "?txtSound=" + theme,
          "cmdFindSound=file:gone.wav", "cmdFindSound=file:.", "?txtSound=" + theme, "cmdOK"},
         "<embed src=\"" + theme.toLower() + "\" autostart=\"true\" loop=\"true\" hidden=\"true\">",
         {"gone.wav\" cannot be read as a sound:\nFile not found",
          "\" cannot be read as a sound:\nNot a regular file"}},
    });
}

TEST_F(ElementDialogTest, ListAndTableCountsAreCheckedBeforeAnythingGoesInAndAListTallerThanQtsPageStillGoesIn)
{
    const QString notWhole = "must be a whole number of 0 or more.";
    const QString tooLarge = "would be too large to insert: it would hold more than 1,000,000 characters.";
    const auto table = [](const QString &rows) { return "<TABLE WIDTH=\"100%\">\n" + rows + "</TABLE>\n"; };
    const auto row = [](int cells, const QString &cell = "<TD></TD>\n") {
        return "<TR>\n" + cell.repeated(cells) + "</TR>\n";
    };
    walk("mnuViewLists", "frmLists", {
        {false, "", {"txtNumber=", "cmdOK"}, "<UL>\n</UL>\n"},
        {false, "", {"cboListType=NUMBERED", "txtNumber=2", "cmdOK"}, "<OL>\n<LI></LI>\n<LI></LI>\n</OL>\n"},
    });
    walk("mnuInsertList", "frmLists", {
        {false, "", {"?cboListType=BULLETED", "?txtNumber=1", "txtNumber=3", "cmdOK"},
         "<UL>\n<LI></LI>\n<LI></LI>\n<LI></LI>\n</UL>\n"},
        {false, "", {"txtNumber=0", "cmdOK"}, "<UL>\n</UL>\n"},
        {true, "", {"cboListType=NUMBERED", "cmdOK"}, "<ol>\n<li></li>\n</ol>\n"},
        {false, "Keep", {"txtNumber=three", "cmdOK", "?open", "?txtNumber=three"}, "Keep",
         {"Number of Items " + notWhole}},
        // Items that fit within the limit leave no room for the list's own tags.
        {false, "Keep", {"txtNumber=90909", "cmdOK", "?open"}, "Keep", {"This list " + tooLarge}},
        {false, "Keep", {"txtNumber=99999999999999999999", "cmdOK", "?open", "?txtNumber=99999999999999999999"},
         "Keep", {"This list " + tooLarge}},
    });
    walk("mnuViewTables", "frmTables", {
        {false, "Prices", {"txtNumberColumns=2", "cboAlignData=CENTER", "cmdOK"},
         "Prices" + table(row(2, "<TD ALIGN=\"CENTER\"></TD>\n"))},
        // Empty or zero columns make one; empty rows make none.
        {false, "", {"txtNumberColumns=", "cmdOK"}, table(row(1))},
        {false, "", {"txtNumberColumns=0", "cmdOK"}, table(row(1))},
        {false, "", {"txtTableCaption=Empty", "txtNumberRows=", "cmdOK"},
         table("<CAPTION ALIGN=\"TOP\">Empty</CAPTION>\n")},
        // More than a hundred columns or rows ask first.
        {false, "", {"txtNumberColumns=100", "txtNumberRows=100", "cmdOK"}, table(row(100).repeated(100))},
        {false, "", {"txtNumberColumns=101", "cmdOK=answer:Cancel", "?open", "?txtNumberColumns=1"}, "",
         {"Do you really want 101 columns?"}},
        {false, "", {"txtNumberColumns=101", "cmdOK=answer:Ok"}, table(row(101)), {"Do you really want 101 columns?"}},
        {false, "", {"txtNumberRows=101", "cmdOK=answer:Cancel", "?open", "?txtNumberRows=1"}, "",
         {"Do you really want 101 rows?"}},
        {false, "", {"txtNumberRows=101", "cmdOK=answer:Ok"}, table(row(1).repeated(101)),
         {"Do you really want 101 rows?"}},
        {false, "",
         {"txtNumberColumns=3", "cboCellWidth=EQUAL", "cboAlignData=LEFT", "cboVerticalAlignCell=TOP", "cmdOK"},
         table(row(3, "<TD ALIGN=\"LEFT\" WIDTH=\"33%\" VALIGN=\"TOP\"></TD>\n"))},
        {false, "", {"txtNumberColumns=150", "cboCellWidth=EQUAL", "cmdOK=answer:Ok"},
         table(row(150, "<TD WIDTH=\"0%\"></TD>\n")), {"150 columns"}},
        {false, "", {"cboTableAlignment=CENTER", "cmdOK"}, "<CENTER>\n" + table(row(1)) + "</CENTER>\n"},
        {false, "",
         {"cboTableAlignment=LEFT", "txtTableWidth=80", "txtBorderWidth=2", "txtCellPadding=3", "txtCellSpacing=4",
          "cmdOK"},
         "<TABLE BORDER=\"2\" WIDTH=\"80%\" CELLPADDING=\"3\" CELLSPACING=\"4\" ALIGN=\"LEFT\">\n" + row(1)
             + "</TABLE>\n"},
        {false, "", {"txtTableWidth=640", "cboWidth=ABSOLUTE", "cmdOK"},
         "<TABLE WIDTH=\"640\">\n" + row(1) + "</TABLE>\n"},
        {false, "", {"txtTableWidth=", "txtBorderWidth=0", "cmdOK"}, "<TABLE BORDER=\"0\">\n" + row(1) + "</TABLE>\n"},
        {false, "", {"txtNumberColumns=abc", "cmdOK", "?open", "?txtNumberColumns=abc"}, "",
         {"Number of Columns " + notWhole}},
        {false, "", {"txtNumberRows= 2", "cmdOK", "?open", "?txtNumberRows= 2"}, "", {"Number of Rows " + notWhole}},
        // Huge tables are refused even when confirmed.
        {false, "", {"txtNumberColumns=5000", "txtNumberRows=99999999999999999999", "cmdOK=answer:Ok,Ok", "?open"}, "",
         {"5000 columns?", "99999999999999999999 rows?", "This table " + tooLarge}},
    });

    // In a large font a few thousand items pass the 8,388,607 pixels of Qt's one page, the
    // height where laying out once never ended; the caret after them is shown.
    store("Font", "FontSize", "200");
    start();
    QDialog *dialog = openFromMenu("mnuViewLists", "frmLists");
    fill(dialog, "txtNumber", "12000");
    click(dialog, "cmdOK");
    EXPECT_EQ(editorText(), "<UL>\n" + QString("<LI></LI>\n").repeated(12000) + "</UL>\n");
    EXPECT_TRUE(activeEditor()->viewport()->rect().contains(activeEditor()->cursorRect().center()));
}

TEST_F(ElementDialogTest, FontAndColoursGoOnTheTablesCaptionAndEveryCellOfEveryRow)
{
    const QString font = "<font color=\"#ff8000\" size=\"+1\" face=\"times new roman\">";
    const QString row = "<tr bgcolor=\"#0000ff\">\n" + ("<td>" + font + "</font></td>\n").repeated(2) + "</tr>\n";
    walk("mnuViewTables", "frmTables", {
        {true, "",
         {"cmdFont=font:Times New Roman", "?lblFont=Times New Roman", "cmdFontColor=color:0080FF",
          "?lblFontColor=FF8000", "cmdTableColor=color:FF0000", "?lblTableColor=0000FF", "cmdTableColor=cancel",
          "?lblTableColor=0000FF", "txtTableCaption=Price List", "cboCaptionAlignment=BOTTOM", "cboFontSize=+1",
          "txtNumberColumns=2", "txtNumberRows=2", "cmdOK"},
         "<table width=\"100%\">\n<caption align=\"bottom\">" + font + "Price List</font></caption>\n" + row + row
             + "</table>\n"},
    });
}

TEST_F(ElementDialogTest, FramesWriteEachStyleWithItsSplitsAndEveryFramesOptions)
{
    const QString head = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">\n<HTML>\n<HEAD>\n<TITLE></TITLE>\n</HEAD>\n"
                         "<!-- This file must be named index.html and the other frame files linked to it -->\n";
    const QString tail = "</FRAMESET>\n<NOFRAMES>\n<!-- Put something here for non-frame browsers -->\n</NOFRAMES>\n"
                         "</HTML>";
    const auto frame = [](const QString &attributes = "", const QString &name = "", const QString &source = "") {
        return "<FRAME NAME=\"" + name + "\" SRC=\"" + source + "\"" + attributes + ">\n";
    };
    const auto columns = [&](const QString &frames, const QString &attributes = "") {
        return head + "<FRAMESET COLS=\"0%,100%\"" + attributes + ">\n\t" + frames + tail;
    };
    // The two-column layout with the same attributes on both of its unnamed frames.
    const auto both = [&](const QString &attributes, const QString &frameset = "") {
        return columns(frame(attributes) + "\t" + frame(attributes), frameset);
    };
    // Distinct names show each frame lands in its own place in every layout.
    const QStringList named = {"txtFrameOneName=top", "txtFrameOneSource=a.htm", "txtFrameTwoName=main",
                               "txtFrameTwoSource=b.htm"};
    const QStringList third = {"txtFrameThreeName=side", "txtFrameThreeSource=c.htm"};
    const QString f1 = frame("", "top", "a.htm"), f2 = frame("", "main", "b.htm"), f3 = frame("", "side", "c.htm");
    const QString empty = frame();
    walk("mnuViewFrames", "frmFrames", {
        {false, "", {"cmdOK"}, both("")},
        {false, "",
         QStringList{"Option1", "Slider1=25", "?Label1=25", "?Label2=75", "?Label3=0", "?Label4=100"} + named
             + QStringList{"cmdOK"},
         head + "<FRAMESET COLS=\"25%,75%\">\n\t" + f1 + "\t" + f2 + tail},
        {false, "",
         QStringList{"Option2", "Slider2=40", "?Label1=0", "?Label2=100", "?Label3=40", "?Label4=60"} + named
             + QStringList{"cmdOK"},
         head + "<FRAMESET ROWS=\"40%,60%\">\n\t" + f1 + "\t" + f2 + tail},
        {false, "", QStringList{"Option3", "Slider1=25", "Slider2=40"} + named + third + QStringList{"cmdOK"},
         head + "<FRAMESET ROWS=\"25%,75%\">\n\t" + f1 + "\t\t<FRAMESET COLS=\"40%,60%\">\n\t\t\t" + f2 + "\t\t\t"
             + f3 + "\t\t</FRAMESET>\n" + tail},
        {false, "", QStringList{"Option4", "Slider1=25", "Slider2=40"} + named + third + QStringList{"cmdOK"},
         head + "<FRAMESET COLS=\"25%,75%\">\n\t\t<FRAMESET ROWS=\"40%,60%\">\n\t\t\t" + f1 + "\t\t\t" + f2
             + "\t\t</FRAMESET>\n\t" + f3 + tail},
        // No border forces the spacing and drops the colour; a border again frees them.
        {false, "",
         {"cmdBorderColor=color:0000FF", "?txtBorderColor=FF0000", "cboBorder=NO", "?txtBorderColor=",
          "?txtFrameSpacing=0", "-txtBorderColor", "-txtFrameSpacing", "-cmdBorderColor", "Option3", "cmdOK"},
         head + "<FRAMESET ROWS=\"0%,100%\" FRAMESPACING=\"0\" BORDER=\"NONE\" FRAMEBORDER=\"0\">\n\t" + empty
             + "\t\t<FRAMESET COLS=\"0%,100%\">\n\t\t\t" + empty + "\t\t\t" + empty + "\t\t</FRAMESET>\n" + tail},
        {false, "",
         {"cboBorder=NO", "cboBorder=YES", "+txtBorderColor", "+txtFrameSpacing", "+cmdBorderColor",
          "?txtFrameSpacing=0", "cmdOK"},
         both("", " FRAMESPACING=\"0\"")},
        {false, "", {"cboScrolling=YES", "cmdOK"}, both(" SCROLLING=\"YES\"")},
        {false, "", {"cboScrolling=NO", "cmdOK"}, both(" SCROLLING=\"NO\"")},
        {false, "", {"cboResize=NO", "cmdOK"}, both(" NORESIZE")},
        {false, "",
         {"txtMarginwidth=4", "txtMarginheight=6", "txtFrameSpacing=2", "cmdBorderColor=color:0000FF", "cmdOK"},
         both(" MARGINWIDTH=\"4\" MARGINHEIGHT=\"6\"", " FRAMESPACING=\"2\" BORDERCOLOR=\"#FF0000\"")},
        {true, "",
         {"txtFrameOneName=Menu", "cmdFrameOneSource=file:Site/Menu.HTM", "?txtFrameOneSource=Menu.HTM",
          "cmdFrameTwoSource=cancel", "?txtFrameTwoSource=", "cmdOK"},
         columns(frame("", "Menu", "Menu.HTM") + "\t" + empty).toLower()},
    });
}


} // namespace
