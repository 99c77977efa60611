#include "platform/rtf_parser.h"

#include "platform/rtf_codepage.h"
#include "platform/rtf_control_words.h"
#include "platform/rtf_tables.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

// Real writers nest a few dozen groups at most; deeper ones share the state of the
// deepest kept group, so a hundred thousand open braces cost no memory.
constexpr std::size_t MaxDepth = 256;
// Longer words are read whole and ignored.
constexpr qsizetype MaxWordLength = 32;
constexpr qint64 MaxParameter = std::numeric_limits<int>::max();
// A larger \uc would only swallow the text that follows a \u.
constexpr int MaxUnicodeSkip = 8;
constexpr int MaxHalfPoints = 3276;

constexpr char16_t ReplacementCharacter = 0xFFFD;
constexpr char16_t LineSeparator = 0x2028;
constexpr char16_t ParagraphSeparator = 0x2029;

enum class Destination : quint8 { Text, FontTable, ColorTable, Ignored };

struct GroupState
{
    int font = -1; // below 0: the document's default font (\deff)
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int color = 0;
    int unicodeSkip = 1;
    Destination destination = Destination::Text;
};

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isSwitchOn(bool hasParameter, int parameter)
{
    return !hasParameter || parameter != 0;
}

class Parser
{
public:
    explicit Parser(QByteArrayView data) : data_(data) {}

    RtfContent run();

private:
    GroupState &state() { return stack_.back(); }
    const GroupState &state() const { return stack_.back(); }
    int depth() const { return int(stack_.size()) - 1 + overflow_; }
    int fontNumber() const { return state().font >= 0 ? state().font : defaultFont_; }

    void openGroup();
    void closeGroup();
    void readControl(bool atGroupStart, bool afterStar);
    void readHexByte();
    void applySymbol(char symbol, bool atGroupStart);
    void applyWord(const RtfWordInfo &info, bool hasParameter, int parameter);
    void applyTextWord(const RtfWordInfo &info, bool hasParameter, int parameter);
    void enterDestination(RtfWord word);
    void showFieldResult();

    // raw: the byte stood in the source as itself, not escaped, so a ";" ends a table entry.
    void textByte(char byte, bool raw = false);
    void flushBytes();
    void emitCodePoint(int codePoint);
    void emitUnit(char16_t unit);
    void emitText(const QString &text);
    void settleSurrogate();
    void deliver(const QString &text);
    void appendRun(const QString &text);
    void breakParagraph();

    int currentCodepage() const;
    CharacterProperties currentProperties() const;

    QByteArrayView data_;
    qsizetype pos_ = 0;
    std::vector<GroupState> stack_{GroupState{}};
    int overflow_ = 0;
    int skip_ = 0; // fallback characters of the last \u still to pass over
    bool groupStart_ = false;
    bool afterStar_ = false; // the last token was a "\*" that hid its group
    int footnoteMarks_ = 0;

    int documentCodepage_ = rtf_codepage::Windows1252;
    int defaultFont_ = 0;
    RtfTables tables_;

    QByteArray bytes_; // 8-bit text waiting to be decoded in one go
    char16_t highSurrogate_ = 0;
    bool paragraphPending_ = false;
    rtf_codepage::Decoders decoders_;
    RtfContent content_;
};

RtfContent Parser::run()
{
    while (pos_ < data_.size()) {
        const char c = data_[pos_];
        if (c == '\r' || c == '\n') {
            ++pos_;
            continue;
        }
        const bool atGroupStart = std::exchange(groupStart_, false);
        const bool afterStar = std::exchange(afterStar_, false);
        switch (c) {
        case '{':
            ++pos_;
            openGroup();
            break;
        case '}':
            ++pos_;
            closeGroup();
            break;
        case '\\':
            readControl(atGroupStart, afterStar);
            break;
        default:
            ++pos_;
            if (skip_ > 0)
                --skip_;
            else
                textByte(c, true);
        }
    }
    flushBytes();
    emitText(QString()); // settles a high surrogate left without its pair
    // The last \par only ends the last paragraph; it does not start an empty one.
    return std::move(content_);
}

void Parser::openGroup()
{
    flushBytes();
    skip_ = 0;
    if (stack_.size() < MaxDepth)
        stack_.push_back(stack_.back());
    else
        ++overflow_;
    groupStart_ = true;
}

void Parser::closeGroup()
{
    flushBytes();
    settleSurrogate();
    skip_ = 0;
    if (overflow_ > 0) {
        --overflow_;
        return;
    }
    if (stack_.size() == 1)
        return; // a "}" without its "{"
    const Destination closing = state().destination;
    stack_.pop_back();
    if (closing == Destination::FontTable)
        tables_.commitFontEntry();
    if (stack_.size() == 1)
        content_.complete = true;
}

void Parser::readControl(bool atGroupStart, bool afterStar)
{
    ++pos_;
    if (pos_ >= data_.size())
        return;
    const char first = data_[pos_];
    if (!isLetter(first)) {
        ++pos_;
        if (first == '\'') {
            readHexByte();
        } else if (skip_ > 0) {
            --skip_;
        } else {
            applySymbol(first, atGroupStart);
        }
        return;
    }

    const qsizetype nameStart = pos_;
    while (pos_ < data_.size() && isLetter(data_[pos_]))
        ++pos_;
    const QByteArrayView name = data_.sliced(nameStart, pos_ - nameStart);
    bool negative = false;
    if (pos_ + 1 < data_.size() && data_[pos_] == '-' && isDigit(data_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    bool hasParameter = false;
    qint64 value = 0;
    while (pos_ < data_.size() && isDigit(data_[pos_])) {
        hasParameter = true;
        value = std::min(value * 10 + (data_[pos_] - '0'), MaxParameter);
        ++pos_;
    }
    if (pos_ < data_.size() && data_[pos_] == ' ')
        ++pos_;
    const int parameter = int(negative ? -value : value);
    const RtfWordInfo info = name.size() <= MaxWordLength ? lookupRtfWord(name) : RtfWordInfo{};

    if (info.word == RtfWord::Binary) {
        // Binary data is never text, whatever group it is in; it can only end the file.
        if (hasParameter && parameter > 0)
            pos_ += std::min<qsizetype>(parameter, data_.size() - pos_);
        if (skip_ > 0)
            --skip_;
        return;
    }
    if (skip_ > 0) {
        --skip_;
        return;
    }
    flushBytes();
    if (afterStar && info.word == RtfWord::FieldResult)
        showFieldResult();
    else
        applyWord(info, hasParameter, parameter);
}

void Parser::readHexByte()
{
    if (pos_ + 1 < data_.size()) {
        const int high = hexValue(data_[pos_]);
        const int low = hexValue(data_[pos_ + 1]);
        if (high >= 0 && low >= 0) {
            pos_ += 2;
            if (skip_ > 0)
                --skip_;
            else
                textByte(char(high * 16 + low));
            return;
        }
    }
    // Not two hex digits: the "\'" is dropped and what follows is read as it stands.
}

void Parser::applySymbol(char symbol, bool atGroupStart)
{
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        textByte(symbol);
        return;
    case '~':
        flushBytes();
        emitUnit(0x00A0);
        return;
    case '_':
        flushBytes();
        emitUnit(0x2011);
        return;
    case '-': // optional hyphen
    case ':': // index subentry
    case '|': // formula character
        return;
    case '*':
        if (atGroupStart && depth() >= 2 && overflow_ == 0) {
            state().destination = Destination::Ignored;
            afterStar_ = true;
        }
        return;
    case '\r':
    case '\n':
        flushBytes();
        breakParagraph();
        return;
    default:
        // No writer means this: a backslash left unescaped in text (enscript does so).
        // It stays as text rather than taking the character after it away.
        textByte('\\');
        textByte(symbol);
    }
}

void Parser::applyWord(const RtfWordInfo &info, bool hasParameter, int parameter)
{
    GroupState &current = state();
    if (current.destination == Destination::Ignored)
        return;
    switch (info.word) {
    case RtfWord::Ansi:
        documentCodepage_ = rtf_codepage::Windows1252;
        return;
    case RtfWord::Mac:
        documentCodepage_ = 10000;
        return;
    case RtfWord::Pc:
        documentCodepage_ = 437;
        return;
    case RtfWord::Pca:
        documentCodepage_ = 850;
        return;
    case RtfWord::AnsiCodepage:
        if (hasParameter && decoders_.supports(parameter))
            documentCodepage_ = parameter;
        return;
    case RtfWord::DefaultFont:
        if (hasParameter)
            defaultFont_ = parameter;
        return;
    case RtfWord::UnicodeSkip:
        if (hasParameter)
            current.unicodeSkip = std::clamp(parameter, 0, MaxUnicodeSkip);
        return;
    case RtfWord::Unicode:
        if (hasParameter) {
            emitCodePoint(parameter < 0 ? parameter + 65536 : parameter);
            skip_ = current.unicodeSkip;
        }
        return;
    case RtfWord::FontTable:
    case RtfWord::ColorTable:
    case RtfWord::IgnoredDestination:
        enterDestination(info.word);
        return;
    default:
        break;
    }

    switch (current.destination) {
    case Destination::FontTable:
        if (info.word == RtfWord::Font && hasParameter) {
            tables_.startFontEntry(parameter);
        } else if (info.word == RtfWord::FontCharset && hasParameter) {
            const std::optional<int> codepage = rtf_codepage::forCharset(parameter);
            tables_.setEntryCodepage(codepage && decoders_.supports(*codepage) ? *codepage : 0);
        } else if (info.word == RtfWord::FontCodepage && hasParameter && decoders_.supports(parameter)) {
            tables_.setEntryCodepage(parameter);
        }
        return;
    case Destination::ColorTable:
        if (info.word == RtfWord::Red)
            tables_.setRed(parameter);
        else if (info.word == RtfWord::Green)
            tables_.setGreen(parameter);
        else if (info.word == RtfWord::Blue)
            tables_.setBlue(parameter);
        return;
    default:
        applyTextWord(info, hasParameter, parameter);
    }
}

void Parser::applyTextWord(const RtfWordInfo &info, bool hasParameter, int parameter)
{
    GroupState &current = state();
    switch (info.word) {
    case RtfWord::Font:
        current.font = hasParameter ? parameter : 0;
        break;
    case RtfWord::FontSize:
        if (hasParameter && parameter > 0)
            current.halfPoints = std::min(parameter, MaxHalfPoints);
        break;
    case RtfWord::Bold:
        current.bold = isSwitchOn(hasParameter, parameter);
        break;
    case RtfWord::Italic:
        current.italic = isSwitchOn(hasParameter, parameter);
        break;
    case RtfWord::Underline:
        current.underline = isSwitchOn(hasParameter, parameter);
        break;
    case RtfWord::UnderlineNone:
        current.underline = false;
        break;
    case RtfWord::Strike:
        current.strike = isSwitchOn(hasParameter, parameter);
        break;
    case RtfWord::ColorForeground:
        current.color = hasParameter ? parameter : 0;
        break;
    case RtfWord::Plain: {
        const GroupState defaults;
        current.font = defaults.font;
        current.halfPoints = defaults.halfPoints;
        current.bold = current.italic = current.underline = current.strike = false;
        current.color = defaults.color;
        break;
    }
    case RtfWord::Paragraph:
        breakParagraph();
        break;
    case RtfWord::Character:
        emitUnit(info.character);
        break;
    case RtfWord::FootnoteMark:
        // The number the reader sees in the text; the footnote itself is not kept.
        emitText(QString::number(++footnoteMarks_));
        break;
    default:
        break;
    }
}

void Parser::enterDestination(RtfWord word)
{
    // The outermost group is the document itself: a stray destination word there must
    // not take the whole text with it. Nor may one inside groups nested past the cap,
    // whose state is shared with their parents.
    if (depth() < 2 || overflow_ > 0)
        return;
    GroupState &current = state();
    if (word == RtfWord::FontTable) {
        current.destination = Destination::FontTable;
        tables_.startFontTable();
    } else if (word == RtfWord::ColorTable) {
        current.destination = Destination::ColorTable;
        tables_.startColorTable();
    } else {
        current.destination = Destination::Ignored;
    }
}

// Some writers (AbiWord) star a field's result as well as its instruction, only to hide it
// from readers that know no fields. It is still the text the reader sees, so the group
// reads as the text around the field does. A "\*" only acts at depth 2 or more and below
// the nesting cap, so the group has a parent of its own.
void Parser::showFieldResult()
{
    state().destination = stack_[stack_.size() - 2].destination;
}

void Parser::textByte(char byte, bool raw)
{
    const Destination destination = state().destination;
    if (destination == Destination::Ignored)
        return;
    // Only a ";" written as such ends a table entry; "\'3b" is part of a name.
    if (destination == Destination::ColorTable) {
        if (raw && byte == ';')
            tables_.commitColor();
        return;
    }
    if (destination == Destination::FontTable && raw && byte == ';') {
        flushBytes();
        settleSurrogate();
        tables_.commitFontEntry();
        return;
    }
    const auto value = static_cast<unsigned char>(byte);
    if (value == '\t') {
        flushBytes();
        emitUnit(u'\t');
    } else if (value >= 0x20) {
        bytes_.append(byte);
    }
}

void Parser::flushBytes()
{
    if (bytes_.isEmpty())
        return;
    const bool ascii = std::all_of(bytes_.cbegin(), bytes_.cend(), [](char c) { return (c & 0x80) == 0; });
    QString text = ascii ? QString::fromLatin1(bytes_) : decoders_.decode(currentCodepage(), bytes_);
    bytes_.resize(0);
    if (!ascii) {
        // A decoder meeting a broken sequence may answer with a control character.
        text.removeIf([](QChar c) { return c.unicode() < 0x20; });
    }
    emitText(text);
}

void Parser::emitCodePoint(int codePoint)
{
    if (codePoint > 0xFFFF && codePoint <= 0x10FFFF) {
        emitUnit(QChar::highSurrogate(char32_t(codePoint)));
        emitUnit(QChar::lowSurrogate(char32_t(codePoint)));
    } else if (codePoint == '\t' || (codePoint >= 0x20 && codePoint <= 0xFFFF)) {
        // Qt's own frame markers and object slots must not enter a document as text.
        const bool reserved = codePoint == 0xFDD0 || codePoint == 0xFDD1 || codePoint == 0xFFFC;
        emitUnit(reserved ? ReplacementCharacter : char16_t(codePoint));
    }
}

void Parser::emitUnit(char16_t unit)
{
    if (QChar::isHighSurrogate(unit)) {
        emitText(QString()); // a high surrogate already waiting had no pair
        highSurrogate_ = unit;
        return;
    }
    if (QChar::isLowSurrogate(unit)) {
        if (highSurrogate_ == 0) {
            deliver(QString(QChar(ReplacementCharacter)));
            return;
        }
        const QChar pair[2] = {QChar(std::exchange(highSurrogate_, 0)), QChar(unit)};
        deliver(QString(pair, 2));
        return;
    }
    emitText(QString(QChar(unit)));
}

void Parser::emitText(const QString &text)
{
    if (highSurrogate_ != 0) {
        highSurrogate_ = 0;
        deliver(QString(QChar(ReplacementCharacter)));
    }
    if (!text.isEmpty())
        deliver(text);
}

// A high surrogate whose pair never came stays where it was read: the text shows it as
// U+FFFD, a font name drops it, and nothing of it reaches the text of another group.
void Parser::settleSurrogate()
{
    if (state().destination == Destination::Text)
        emitText(QString());
    else
        highSurrogate_ = 0;
}

void Parser::deliver(const QString &text)
{
    switch (state().destination) {
    case Destination::Text:
        if (std::exchange(paragraphPending_, false))
            appendRun(QString(QChar(ParagraphSeparator)));
        appendRun(text);
        break;
    case Destination::FontTable:
        tables_.appendToEntryName(text);
        break;
    default:
        break;
    }
}

void Parser::appendRun(const QString &text)
{
    CharacterProperties properties = currentProperties();
    if (content_.runs.empty() || content_.runs.back().properties != properties)
        content_.runs.push_back({std::move(properties), QString()});
    content_.runs.back().text += text;
}

void Parser::breakParagraph()
{
    if (state().destination != Destination::Text)
        return;
    emitText(QString());
    // A paragraph is only started when text follows, so the closing \par every writer
    // puts at the end adds no empty paragraph.
    if (std::exchange(paragraphPending_, true))
        appendRun(QString(QChar(ParagraphSeparator)));
}

int Parser::currentCodepage() const
{
    const int own = state().destination == Destination::FontTable ? tables_.entryCodepage()
                                                                   : tables_.fontCodepage(fontNumber());
    return own ? own : documentCodepage_;
}

CharacterProperties Parser::currentProperties() const
{
    const GroupState &current = state();
    CharacterProperties properties;
    properties.fontName = tables_.fontName(fontNumber());
    properties.halfPoints = current.halfPoints;
    properties.bold = current.bold;
    properties.italic = current.italic;
    properties.underline = current.underline;
    properties.strikethrough = current.strike;
    properties.color = tables_.color(current.color);
    return properties;
}

} // namespace

RtfContent parseRtf(QByteArrayView data)
{
    return Parser(data).run();
}
