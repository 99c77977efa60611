#pragma once

#include <QList>
#include <QStringView>

struct TagRange
{
    int start = 0;
    int length = 0;
};

// The tags of a text, in order and brackets included, read the way a browser reads them,
// so that the passes leave alone whatever a browser would show or run as it is:
// - a tag begins only at "<" followed by an ASCII letter, "/", "!" or "?"; any other "<"
//   (a < b) is text;
// - a start or end tag ends at the first ">" outside a quoted attribute value;
// - a comment "<!--" ends at the first "-->" after it, whatever it holds;
// - other "<!" declarations and "<?" instructions end at the first ">";
// - after the start tag of a script or a style element, everything up to its end tag is
//   text.
// A tag or comment that never ends is not a tag; everything after it belongs to it, so
// nothing after it is one either.
QList<TagRange> FindTags(QStringView text);

// Where the reading stands between two pieces of a text: what the next piece begins
// inside of. The highlighter keeps it for each line, so a line is read again from where
// the line above left off and the lines below only when where it leaves off changes.
struct ScanState
{
    enum Mode : unsigned char {
        Text,
        TagName,
        BeforeAttribute,
        AttributeName,
        AfterAttributeName,
        BeforeValue,
        UnquotedValue,
        QuotedValue,
        Comment,
        Declaration,
        Doctype,
        ElementContent, // the code of a script or style element
    };
    enum Element : unsigned char { OtherElement, Script, Style };

    Mode mode = Text;
    bool singleQuoted = false;
    // For a start tag, the element whose content it opens; inside one, that element.
    Element element = OtherElement;
    // Where the reader of the script or style code stands; the tags leave it alone.
    unsigned char code = 0;

    int packed() const;
    static ScanState unpacked(int packed);
    bool insideConstruct() const { return mode != Text && mode != ElementContent; }
    bool insideTag() const { return mode >= TagName && mode <= QuotedValue; }
    bool operator==(const ScanState &) const = default;
};

enum class TagPart { Punctuation, Name, AttributeName, AttributeValue, Comment, Doctype, Declaration };

// What the scanner found, in the order of the text; positions are the piece's own.
class TagScanSink
{
public:
    virtual ~TagScanSink() = default;
    virtual void part(TagPart, qsizetype /*from*/, qsizetype /*to*/) {}
    // Text between tags.
    virtual void text(qsizetype /*from*/, qsizetype /*to*/) {}
    // Script or style code; `state.code` is the code reader's to keep.
    virtual void code(ScanState & /*state*/, qsizetype /*from*/, qsizetype /*to*/) {}
    // A tag, comment or declaration begins at its "<", and ends one past its last character.
    virtual void constructBegins(qsizetype /*start*/) {}
    virtual void constructEnds(qsizetype /*end*/) {}
};

// Gathers the tags of a text read in pieces, at their places in the whole text: `offset`
// is where the piece being read begins. A construct that began before the reading did
// starts at -1.
class TagCollector : public TagScanSink
{
public:
    void constructBegins(qsizetype start) override { start_ = offset + start; }
    void constructEnds(qsizetype end) override
    {
        tags.append({int(start_), start_ < 0 ? 0 : int(offset + end - start_)});
        start_ = -1;
    }
    // Where the construct being read begins.
    qsizetype lastStart() const { return start_; }

    qsizetype offset = 0;
    QList<TagRange> tags;

private:
    qsizetype start_ = -1;
};

// Reads `piece` on from `state`, leaving in it where the piece ends. A piece that a line
// break follows (a line of a longer text) is read as if that break ended it, so that the
// text read line by line reads exactly as read whole.
void ScanTags(QStringView piece, ScanState &state, bool lineBreakFollows, TagScanSink &sink);

// The name of the element whose start tag begins at `from`, the position after "<".
QStringView StartTagName(QStringView text, qsizetype from);
