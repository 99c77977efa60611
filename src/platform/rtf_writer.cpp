#include "platform/rtf_writer.h"

#include "platform/rtf_character_properties.h"
#include "platform/rtf_codepage.h"

#include <QByteArray>
#include <QList>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

namespace {

// Readers must accept lines of any length, but old ones stop at 255 characters.
constexpr qsizetype LineLimit = 200;

// Writes tokens, keeping lines short and putting the blank that ends a control word
// only where the next token needs it.
class RtfOutput
{
public:
    // Names are the writer's own short literals.
    void word(std::string_view name, std::optional<int> parameter = std::nullopt)
    {
        char text[32] = {'\\'};
        name.copy(text + 1, sizeof text - 13);
        char *end = text + 1 + std::min(name.size(), sizeof text - 13);
        if (parameter)
            end = std::to_chars(end, text + sizeof text, *parameter).ptr;
        put(QByteArrayView(text, end - text), true);
    }
    void symbol(QByteArrayView text) { put(text, false); }
    void character(char c) { put(QByteArrayView(&c, 1), false); }
    void hexEscape(unsigned char byte)
    {
        static constexpr char digits[] = "0123456789abcdef";
        const char escape[] = {'\\', '\'', digits[byte >> 4], digits[byte & 0xF]};
        put(QByteArrayView(escape, 4), false);
    }
    void newLine()
    {
        delimiterDue_ = false;
        out_ += "\r\n";
        lineStart_ = out_.size();
    }
    QByteArray take() { return std::move(out_); }

private:
    void put(QByteArrayView token, bool isWord)
    {
        if (out_.size() - lineStart_ + token.size() >= LineLimit) {
            if (delimiterDue_)
                out_ += ' ';
            newLine();
        }
        // Any other character ends a word by itself and stays text.
        const char next = token.front();
        if (delimiterDue_ && (std::isalnum(static_cast<unsigned char>(next)) || next == ' ' || next == '-'))
            out_ += ' ';
        out_ += token;
        delimiterDue_ = isWord;
    }

    QByteArray out_;
    qsizetype lineStart_ = 0;
    bool delimiterDue_ = false;
};

struct Run
{
    CharacterProperties properties;
    QString text;
};

void writeText(RtfOutput &out, QStringView text, bool inTableEntry = false)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out.symbol(QByteArrayView(u == '\\' ? "\\\\" : u == '{' ? "\\{" : "\\}"));
        } else if (u == '\t') {
            out.word("tab");
        } else if (u == 0x2028) {
            out.word("line");
        } else if (u < 0x20 || u == 0x2029 || u == 0xFDD0 || u == 0xFDD1 || u == 0xFFFC) {
            // control characters, and the document's own structure or embedded objects
        } else if (u == ';' && inTableEntry) {
            out.hexEscape(';');
        } else if (u < 0x80) {
            out.character(char(u));
        } else if (const auto byte = rtf_codepage::toWindows1252(u)) {
            out.hexEscape(*byte);
        } else {
            // Signed, as RTF numbers are 16-bit; each half of a surrogate pair goes alone.
            // The fallback is "\'3f", never a literal "?", which common readers drop.
            out.word("u", u > 0x7FFF ? int(u) - 0x10000 : int(u));
            out.hexEscape('?');
        }
    }
}

template <typename T>
int indexOf(QList<T> &list, const T &value)
{
    qsizetype index = list.indexOf(value);
    if (index < 0) {
        index = list.size();
        list.append(value);
    }
    return int(index);
}

void writeChanges(RtfOutput &out, const CharacterProperties *previous, const CharacterProperties &next,
                  QStringList &fonts, QList<QColor> &colors)
{
    if (!previous || previous->fontName != next.fontName)
        out.word("f", indexOf(fonts, next.fontName));
    if (!previous || previous->halfPoints != next.halfPoints)
        out.word("fs", next.halfPoints);
    if (!previous || previous->bold != next.bold)
        next.bold ? out.word("b") : out.word("b", 0);
    if (!previous || previous->italic != next.italic)
        next.italic ? out.word("i") : out.word("i", 0);
    if (!previous || previous->underline != next.underline)
        out.word(next.underline ? "ul" : "ulnone");
    if (!previous || previous->strikethrough != next.strikethrough)
        next.strikethrough ? out.word("strike") : out.word("strike", 0);
    if (!previous || previous->color != next.color)
        out.word("cf", next.color.isValid() ? indexOf(colors, next.color) + 1 : 0);
}

} // namespace

QByteArray writeRtf(const QTextDocument &document)
{
    const QFont documentFont = document.defaultFont();
    std::vector<std::vector<Run>> blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        std::vector<Run> &runs = blocks.emplace_back();
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment part = fragment.fragment();
            if (part.isValid())
                runs.push_back({characterPropertiesOf(part.charFormat(), documentFont), part.text()});
        }
    }

    // The body is written first, as it decides which fonts and colours the tables hold.
    QStringList fonts{documentFont.family()};
    QList<QColor> colors;
    RtfOutput body;
    CharacterProperties current;
    bool started = false;
    for (const std::vector<Run> &runs : blocks) {
        for (const Run &run : runs) {
            writeChanges(body, started ? &current : nullptr, run.properties, fonts, colors);
            current = run.properties;
            started = true;
            writeText(body, run.text);
        }
        body.word("par");
        body.newLine();
    }

    RtfOutput out;
    out.symbol("{");
    out.word("rtf", 1);
    out.word("ansi");
    out.word("ansicpg", 1252);
    out.word("deff", 0);
    out.word("uc", 1);
    out.newLine();
    out.symbol("{");
    out.word("fonttbl");
    for (qsizetype i = 0; i < fonts.size(); ++i) {
        out.symbol("{");
        out.word("f", int(i));
        out.word("fnil");
        out.word("fcharset", 0);
        writeText(out, fonts.at(i), true);
        out.character(';');
        out.symbol("}");
    }
    out.symbol("}");
    out.newLine();
    out.symbol("{");
    out.word("colortbl");
    out.character(';');
    for (const QColor &color : colors) {
        out.word("red", color.red());
        out.word("green", color.green());
        out.word("blue", color.blue());
        out.character(';');
    }
    out.symbol("}");
    out.newLine();
    return out.take() + body.take() + "}\r\n";
}
