#include "platform/rtf_control_words.h"

#include <string_view>
#include <unordered_map>

namespace {

using Table = std::unordered_map<std::string_view, RtfWordInfo>;

const Table &table()
{
    static const Table words = [] {
        Table t{
            {"ansi", {RtfWord::Ansi}},
            {"mac", {RtfWord::Mac}},
            {"pc", {RtfWord::Pc}},
            {"pca", {RtfWord::Pca}},
            {"ansicpg", {RtfWord::AnsiCodepage}},
            {"deff", {RtfWord::DefaultFont}},
            {"fonttbl", {RtfWord::FontTable}},
            {"colortbl", {RtfWord::ColorTable}},
            {"fldrslt", {RtfWord::FieldResult}},
            {"fcharset", {RtfWord::FontCharset}},
            {"cpg", {RtfWord::FontCodepage}},
            {"red", {RtfWord::Red}},
            {"green", {RtfWord::Green}},
            {"blue", {RtfWord::Blue}},
            {"f", {RtfWord::Font}},
            {"fs", {RtfWord::FontSize}},
            {"b", {RtfWord::Bold}},
            {"i", {RtfWord::Italic}},
            {"ulnone", {RtfWord::UnderlineNone}},
            {"strike", {RtfWord::Strike}},
            {"striked", {RtfWord::Strike}},
            {"cf", {RtfWord::ColorForeground}},
            {"plain", {RtfWord::Plain}},
            {"par", {RtfWord::Paragraph}},
            {"row", {RtfWord::Paragraph}},
            {"nestrow", {RtfWord::Paragraph}},
            {"u", {RtfWord::Unicode}},
            {"uc", {RtfWord::UnicodeSkip}},
            {"bin", {RtfWord::Binary}},
            {"chftn", {RtfWord::FootnoteMark}},
            {"tab", {RtfWord::Character, u'\t'}},
            {"cell", {RtfWord::Character, u'\t'}},
            {"nestcell", {RtfWord::Character, u'\t'}},
            {"line", {RtfWord::Character, u'\u2028'}},
            {"emdash", {RtfWord::Character, u'\u2014'}},
            {"endash", {RtfWord::Character, u'\u2013'}},
            {"emspace", {RtfWord::Character, u'\u2003'}},
            {"enspace", {RtfWord::Character, u'\u2002'}},
            {"qmspace", {RtfWord::Character, u'\u2005'}},
            {"bullet", {RtfWord::Character, u'\u2022'}},
            {"lquote", {RtfWord::Character, u'\u2018'}},
            {"rquote", {RtfWord::Character, u'\u2019'}},
            {"ldblquote", {RtfWord::Character, u'\u201C'}},
            {"rdblquote", {RtfWord::Character, u'\u201D'}},
            {"zwj", {RtfWord::Character, u'\u200D'}},
            {"zwnj", {RtfWord::Character, u'\u200C'}},
            {"ltrmark", {RtfWord::Character, u'\u200E'}},
            {"rtlmark", {RtfWord::Character, u'\u200F'}},
        };
        // Every underline style reads as underlined; \ulc (its colour) is not a style.
        for (const char *style : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash",
                                  "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash",
                                  "ululdbwave", "ulw", "ulwave"})
            t.emplace(style, RtfWordInfo{RtfWord::Underline});
        // Destinations whose content is not text of the document. A field keeps its
        // result (\fldrslt is read as the text around the field); its instruction is dropped.
        for (const char *destination :
             {"stylesheet", "info", "pict", "object", "objdata", "header", "headerl", "headerr", "headerf",
              "footer", "footerl", "footerr", "footerf", "footnote", "fldinst", "xe", "tc", "txe", "rxe",
              "annotation", "atnid", "atnauthor", "nonshppict", "shpinst", "ftnsep", "ftnsepc", "ftncn",
              "aftnsep", "aftnsepc", "aftncn", "template", "listtable", "listoverridetable", "revtbl",
              "rsidtbl", "filetbl", "pgdsctbl", "falt", "panose", "themedata", "colorschememapping",
              "datastore", "latentstyles", "generator", "xmlnstbl", "userprops", "docvar", "bkmkstart",
              "bkmkend"})
            t.emplace(destination, RtfWordInfo{RtfWord::IgnoredDestination});
        return t;
    }();
    return words;
}

} // namespace

RtfWordInfo lookupRtfWord(QByteArrayView name)
{
    const auto found = table().find(std::string_view(name.data(), size_t(name.size())));
    return found == table().end() ? RtfWordInfo{} : found->second;
}
