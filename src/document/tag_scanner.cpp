#include "document/tag_scanner.h"

namespace {

bool isAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

bool isHtmlSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\n' || u == '\r' || u == '\f';
}

bool endsName(QChar c)
{
    return isHtmlSpace(c) || c == QLatin1Char('/') || c == QLatin1Char('>');
}

ScanState::Element elementNamed(QStringView name)
{
    if (name.compare(QLatin1String("script"), Qt::CaseInsensitive) == 0)
        return ScanState::Script;
    if (name.compare(QLatin1String("style"), Qt::CaseInsensitive) == 0)
        return ScanState::Style;
    return ScanState::OtherElement;
}

// One piece read from a state. Every construct is read to its end with a fast search where
// its end is one fixed text, and character by character inside tags, where quotes count.
class Scanner
{
public:
    Scanner(QStringView piece, ScanState &state, bool lineBreakFollows, TagScanSink &sink)
        : text_(piece), state_(state), lineBreakFollows_(lineBreakFollows), sink_(sink)
    {
    }

    void run()
    {
        while (at_ < text_.size()) {
            switch (state_.mode) {
            case ScanState::Text:
                readText();
                break;
            case ScanState::Comment:
                readUntil(QLatin1String("-->"), TagPart::Comment);
                break;
            case ScanState::Declaration:
                readUntil(QLatin1String(">"), TagPart::Declaration);
                break;
            case ScanState::Doctype:
                readUntil(QLatin1String(">"), TagPart::Doctype);
                break;
            case ScanState::ElementContent:
                readContent();
                break;
            case ScanState::QuotedValue:
                readQuotedValue(at_);
                break;
            default:
                readTag();
                break;
            }
        }
        endPiece();
    }

private:
    // The character at `at`; the line break that follows the piece, if one does, after it.
    QChar charAt(qsizetype at) const
    {
        if (at < text_.size())
            return text_[at];
        return lineBreakFollows_ && at == text_.size() ? QLatin1Char('\n') : QChar();
    }

    bool startsConstruct(qsizetype open) const
    {
        const QChar next = charAt(open + 1);
        return isAsciiLetter(next) || next == QLatin1Char('/') || next == QLatin1Char('!') || next == QLatin1Char('?');
    }

    void readText()
    {
        qsizetype open = text_.indexOf(QLatin1Char('<'), at_);
        while (open >= 0 && !startsConstruct(open))
            open = text_.indexOf(QLatin1Char('<'), open + 1);
        const qsizetype end = open < 0 ? text_.size() : open;
        if (end > at_)
            sink_.text(at_, end);
        at_ = end;
        if (open >= 0)
            beginConstruct(open);
    }

    void beginConstruct(qsizetype open)
    {
        sink_.constructBegins(open);
        partStart_ = open;
        const QChar kind = charAt(open + 1);
        at_ = open + 2;
        if (kind == QLatin1Char('!')) {
            const QStringView rest = text_.sliced(at_);
            // Searching from the opening dashes also closes "<!-->" and "<!--->" at once.
            if (rest.startsWith(QLatin1String("--")))
                state_.mode = ScanState::Comment;
            else
                state_.mode = rest.startsWith(QLatin1String("doctype"), Qt::CaseInsensitive) ? ScanState::Doctype
                                                                                             : ScanState::Declaration;
        } else if (kind == QLatin1Char('?') || (kind == QLatin1Char('/') && !isAsciiLetter(charAt(open + 2)))) {
            state_.mode = ScanState::Declaration;
        } else {
            endTag_ = kind == QLatin1Char('/');
            if (!endTag_)
                at_ = open + 1;
            sink_.part(TagPart::Punctuation, open, at_);
            state_.mode = ScanState::TagName;
            state_.element = ScanState::OtherElement;
            partStart_ = at_;
        }
    }

    void endConstruct(qsizetype end)
    {
        sink_.constructEnds(end);
        at_ = end;
    }

    void readUntil(QLatin1String close, TagPart part)
    {
        const qsizetype found = text_.indexOf(close, at_);
        if (found < 0) {
            sink_.part(part, partStart_, text_.size());
            at_ = text_.size();
            return;
        }
        const qsizetype end = found + close.size();
        sink_.part(part, partStart_, end);
        state_.mode = ScanState::Text;
        endConstruct(end);
    }

    // A value's opening quote is at `open`, or was on a line above when open is 0 in that state.
    void readQuotedValue(qsizetype open)
    {
        const QChar quote = state_.singleQuoted ? QLatin1Char('\'') : QLatin1Char('"');
        const qsizetype from = state_.mode == ScanState::QuotedValue && open == at_ ? open : open + 1;
        const qsizetype close = text_.indexOf(quote, from);
        const qsizetype end = close < 0 ? text_.size() : close + 1;
        sink_.part(TagPart::AttributeValue, open, end);
        at_ = end;
        state_.mode = close < 0 ? ScanState::QuotedValue : ScanState::BeforeAttribute;
    }

    // Closes the name or value being read at `at`.
    void endPart(qsizetype at)
    {
        switch (state_.mode) {
        case ScanState::TagName:
            sink_.part(TagPart::Name, partStart_, at);
            if (!endTag_)
                state_.element = elementNamed(text_.sliced(partStart_, at - partStart_));
            break;
        case ScanState::AttributeName:
            sink_.part(TagPart::AttributeName, partStart_, at);
            break;
        case ScanState::UnquotedValue:
            sink_.part(TagPart::AttributeValue, partStart_, at);
            break;
        default:
            break;
        }
    }

    void readTag()
    {
        for (; at_ < text_.size(); ++at_) {
            const QChar c = text_[at_];
            if (c == QLatin1Char('>')) {
                endPart(at_);
                sink_.part(TagPart::Punctuation, at_, at_ + 1);
                state_.mode = state_.element == ScanState::OtherElement ? ScanState::Text : ScanState::ElementContent;
                state_.code = 0;
                endConstruct(at_ + 1);
                return;
            }
            const bool space = isHtmlSpace(c);
            switch (state_.mode) {
            case ScanState::TagName:
                if (space || c == QLatin1Char('/')) {
                    endPart(at_);
                    state_.mode = ScanState::BeforeAttribute;
                }
                break;
            case ScanState::BeforeAttribute:
                if (!space && c != QLatin1Char('/'))
                    startPart(ScanState::AttributeName);
                break;
            case ScanState::AttributeName:
                if (space || c == QLatin1Char('/') || c == QLatin1Char('=')) {
                    endPart(at_);
                    state_.mode = space                     ? ScanState::AfterAttributeName
                                  : c == QLatin1Char('/') ? ScanState::BeforeAttribute
                                                          : ScanState::BeforeValue;
                }
                break;
            case ScanState::AfterAttributeName:
                if (c == QLatin1Char('/'))
                    state_.mode = ScanState::BeforeAttribute;
                else if (c == QLatin1Char('='))
                    state_.mode = ScanState::BeforeValue;
                else if (!space)
                    startPart(ScanState::AttributeName);
                break;
            case ScanState::BeforeValue:
                // A quote opens a value only where a value may begin, right after "=" and
                // any blanks; a quote anywhere else (an unquoted value such as it's) is an
                // ordinary character.
                if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                    state_.singleQuoted = c == QLatin1Char('\'');
                    readQuotedValue(at_);
                    return;
                }
                if (!space)
                    startPart(ScanState::UnquotedValue);
                break;
            case ScanState::UnquotedValue:
                if (space) {
                    endPart(at_);
                    state_.mode = ScanState::BeforeAttribute;
                }
                break;
            default:
                break;
            }
        }
    }

    void startPart(ScanState::Mode mode)
    {
        state_.mode = mode;
        partStart_ = at_;
    }

    // The piece ends inside a name or a value, which is told as far as it goes; the line
    // break after the piece, if one follows, ends it as a blank does.
    void endPiece()
    {
        endPart(text_.size());
        if (!lineBreakFollows_)
            return;
        if (state_.mode == ScanState::TagName || state_.mode == ScanState::UnquotedValue)
            state_.mode = ScanState::BeforeAttribute;
        else if (state_.mode == ScanState::AttributeName)
            state_.mode = ScanState::AfterAttributeName;
    }

    // The code runs to "</" and the element's name in any case, then a blank, "/" or ">".
    void readContent()
    {
        const QLatin1String name = state_.element == ScanState::Script ? QLatin1String("script") : QLatin1String("style");
        qsizetype end = text_.size();
        for (qsizetype open = text_.indexOf(QLatin1String("</"), at_); open >= 0;
             open = text_.indexOf(QLatin1String("</"), open + 2)) {
            const qsizetype after = open + 2 + name.size();
            if (after <= text_.size() && text_.sliced(open + 2, name.size()).compare(name, Qt::CaseInsensitive) == 0
                && endsName(charAt(after))) {
                end = open;
                break;
            }
        }
        if (end > at_)
            sink_.code(state_, at_, end);
        at_ = end;
        if (end < text_.size()) {
            state_.mode = ScanState::Text;
            state_.element = ScanState::OtherElement;
            state_.code = 0;
        }
    }

    QStringView text_;
    ScanState &state_;
    bool lineBreakFollows_;
    TagScanSink &sink_;
    qsizetype at_ = 0;
    // Where the part of a construct being read began in this piece.
    qsizetype partStart_ = 0;
    bool endTag_ = false;
};


} // namespace

int ScanState::packed() const
{
    return int(mode) | (singleQuoted ? 1 << 4 : 0) | int(element) << 5 | int(code & 0x1F) << 7;
}

ScanState ScanState::unpacked(int packed)
{
    ScanState state;
    state.mode = Mode(packed & 0xF);
    state.singleQuoted = (packed & (1 << 4)) != 0;
    state.element = Element((packed >> 5) & 0x3);
    state.code = (packed >> 7) & 0x1F;
    return state;
}

void ScanTags(QStringView piece, ScanState &state, bool lineBreakFollows, TagScanSink &sink)
{
    Scanner(piece, state, lineBreakFollows, sink).run();
}

QList<TagRange> FindTags(QStringView text)
{
    ScanState state;
    TagCollector collector;
    ScanTags(text, state, false, collector);
    return collector.tags;
}

QStringView StartTagName(QStringView text, qsizetype from)
{
    qsizetype end = from;
    while (end < text.size() && !endsName(text[end]))
        ++end;
    return text.sliced(from, end - from);
}
