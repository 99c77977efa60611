#include "platform/block_line_endings.h"

#include <QTextBlock>
#include <QTextDocument>

namespace {

constexpr int noEnding = -1;

// Set on a document some of whose lines remember an ending other than the one new lines
// get; without it every line of the document ends in the fresh ending.
constexpr char ownEndingsProperty[] = "lineEndingsOfTheirOwn";

constexpr int highlighterBits = 12;
constexpr int highlighterMask = (1 << highlighterBits) - 1;

int endingOf(int userState)
{
    return userState < 0 ? noEnding : (userState >> highlighterBits) - 1;
}

int stateOf(int ending, int highlighter)
{
    return ((ending + 1) << highlighterBits) | (highlighter & highlighterMask);
}

// The ending remembered for the paragraph, `fresh` where it has none.
TextFileFormat::LineEnding rememberedLineEnding(const QTextBlock &paragraph, TextFileFormat::LineEnding fresh)
{
    const int remembered = endingOf(paragraph.userState());
    return remembered == noEnding ? fresh : TextFileFormat::LineEnding(remembered);
}

} // namespace

int HighlighterState(int userState)
{
    return userState < 0 ? 0 : userState & highlighterMask;
}

int WithHighlighterState(int userState, int highlighter)
{
    return stateOf(endingOf(userState), highlighter);
}

void RememberLineEndings(QTextDocument &document, const LineEndings &endings, TextFileFormat::LineEnding fresh)
{
    bool own = false;
    qsizetype line = 0;
    for (QTextBlock block = document.begin(); block.isValid() && line < endings.size(); block = block.next()) {
        const TextFileFormat::LineEnding ending = endings[line++];
        own = own || ending != fresh;
        block.setUserState(stateOf(ending == fresh ? noEnding : int(ending), HighlighterState(block.userState())));
    }
    document.setProperty(ownEndingsProperty, own);
}

bool HasOwnLineEndings(const QTextDocument &document)
{
    return document.property(ownEndingsProperty).toBool();
}

LineEndings RememberedLineEndings(const QTextDocument &document, QStringView text, TextFileFormat::LineEnding fresh)
{
    LineEndings endings;
    endings.reserve(document.blockCount());
    QTextBlock block = document.begin();
    // The text holds each paragraph followed by its one break, so the breaks are found
    // with one fast search instead of building every paragraph's text; a break before
    // the end of its paragraph is a line separator typed inside it.
    qsizetype paragraphEnd = block.length() - 1;
    for (qsizetype at = text.indexOf(u'\n'); at >= 0; at = text.indexOf(u'\n', at + 1)) {
        if (at < paragraphEnd) {
            endings.append(fresh);
            continue;
        }
        endings.append(rememberedLineEnding(block, fresh));
        block = block.next();
        paragraphEnd += block.length();
    }
    return endings;
}
