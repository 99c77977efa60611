#include "document/embedded_code.h"

#include <algorithm>
#include <array>

namespace {

enum Open : unsigned char { None, BlockComment, DoubleQuoted, SingleQuoted, Template };
constexpr unsigned char openMask = 0x7;
constexpr unsigned char insideBraces = 0x8;

constexpr std::array<const char *, 46> scriptKeywords = {
    "async",  "await",   "break",   "case",       "catch",    "class",    "const",  "continue",
    "debugger", "default", "delete", "do",       "else",     "export",   "extends", "false",
    "finally", "for",    "function", "get",      "if",       "import",   "in",      "instanceof",
    "let",    "new",     "null",    "of",         "return",   "set",      "static", "super",
    "switch", "this",    "throw",   "true",       "try",      "typeof",   "undefined", "var",
    "void",   "while",   "with",    "yield",      "NaN",      "Infinity",
};

bool isWordCharacter(QChar c, bool css)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || (css ? c == QLatin1Char('-') : c == QLatin1Char('$'));
}

bool isScriptKeyword(QStringView word)
{
    return std::any_of(scriptKeywords.begin(), scriptKeywords.end(),
                       [word](const char *keyword) { return word == QLatin1String(keyword); });
}

class CodeReader
{
public:
    CodeReader(ScanState::Element element, QStringView line, qsizetype to, unsigned char &state, CodeSink &sink)
        : css_(element == ScanState::Style), line_(line.first(to)), state_(state), sink_(sink)
    {
    }

    void run(qsizetype from)
    {
        at_ = from;
        if (open() != None)
            finishOpen(at_, false);
        while (at_ < line_.size())
            readCode();
        // A string never runs on past its line without a backslash at the end.
        if ((open() == DoubleQuoted || open() == SingleQuoted)
            && (line_.isEmpty() || line_.back() != QLatin1Char('\\')))
            setOpen(None);
    }

private:
    Open open() const { return Open(state_ & openMask); }
    void setOpen(Open open) { state_ = (state_ & ~openMask) | open; }

    // Reads on to the end of what is open from `start`: its opening there when `opens`,
    // else carried from the line above.
    void finishOpen(qsizetype start, bool opens)
    {
        qsizetype end = -1;
        CodePart part = CodePart::String;
        if (open() == BlockComment) {
            part = CodePart::Comment;
            const qsizetype close = line_.indexOf(QLatin1String("*/"), opens ? start + 2 : start);
            end = close < 0 ? -1 : close + 2;
        } else {
            const QChar quote = open() == DoubleQuoted ? QLatin1Char('"') : open() == SingleQuoted ? QLatin1Char('\'')
                                                                                                 : QLatin1Char('`');
            for (qsizetype at = opens ? start + 1 : start; at < line_.size(); ++at) {
                if (line_[at] == QLatin1Char('\\'))
                    ++at;
                else if (line_[at] == quote) {
                    end = at + 1;
                    break;
                }
            }
        }
        const qsizetype stop = end < 0 ? line_.size() : std::min(end, line_.size());
        sink_.codePart(part, start, stop);
        at_ = stop;
        if (end >= 0)
            setOpen(None);
    }

    void readCode()
    {
        const QChar c = line_[at_];
        const QChar next = at_ + 1 < line_.size() ? line_[at_ + 1] : QChar();
        if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
            setOpen(BlockComment);
            finishOpen(at_, true);
        } else if (!css_ && c == QLatin1Char('/') && next == QLatin1Char('/')) {
            sink_.codePart(CodePart::Comment, at_, line_.size());
            at_ = line_.size();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'') || (!css_ && c == QLatin1Char('`'))) {
            setOpen(c == QLatin1Char('"') ? DoubleQuoted : c == QLatin1Char('\'') ? SingleQuoted : Template);
            finishOpen(at_, true);
        } else if (c.isDigit()) {
            readWord(CodePart::Number);
        } else if (isWordCharacter(c, css_)) {
            readWord(CodePart::Keyword);
        } else {
            if (css_ && c == QLatin1Char('{'))
                state_ |= insideBraces;
            else if (css_ && c == QLatin1Char('}'))
                state_ &= ~insideBraces;
            ++at_;
        }
    }

    // A number with its unit or suffix, or a name: a keyword of the script, or a property
    // where a CSS declaration block names one before ":".
    void readWord(CodePart kind)
    {
        const qsizetype start = at_;
        const auto inWord = [&](QChar c) {
            return isWordCharacter(c, css_)
                   || (kind == CodePart::Number && (c == QLatin1Char('.') || c == QLatin1Char('%')));
        };
        while (at_ < line_.size() && inWord(line_[at_]))
            ++at_;
        const QStringView word = line_.sliced(start, at_ - start);
        if (kind == CodePart::Number) {
            sink_.codePart(CodePart::Number, start, at_);
        } else if (css_) {
            qsizetype after = at_;
            while (after < line_.size() && line_[after].isSpace())
                ++after;
            if ((state_ & insideBraces) && after < line_.size() && line_[after] == QLatin1Char(':'))
                sink_.codePart(CodePart::Property, start, at_);
        } else if (isScriptKeyword(word)) {
            sink_.codePart(CodePart::Keyword, start, at_);
        }
    }

    bool css_;
    QStringView line_;
    unsigned char &state_;
    CodeSink &sink_;
    qsizetype at_ = 0;
};

} // namespace

void ReadCode(ScanState::Element element, QStringView line, qsizetype from, qsizetype to, unsigned char &state,
              CodeSink &sink)
{
    CodeReader(element, line, to, state, sink).run(from);
}
