#pragma once

#include "document/tag_scanner.h"

// The kinds of code the highlighter tells apart inside script and style elements.
enum class CodePart { Comment, String, Number, Keyword, Property };

class CodeSink
{
public:
    virtual ~CodeSink() = default;
    virtual void codePart(CodePart part, qsizetype from, qsizetype to) = 0;
};

// Reads the JavaScript or CSS code of `line` from `from` to `to`, carrying in `state`
// (ScanState::code) a block comment, a string or a template left open at `to`, and for
// CSS whether the code stands inside a declaration block, where names before ":" are
// properties. A string whose line ends without a backslash ends with it.
void ReadCode(ScanState::Element element, QStringView line, qsizetype from, qsizetype to, unsigned char &state,
              CodeSink &sink);
