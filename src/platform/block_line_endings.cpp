#include "platform/block_line_endings.h"

#include <QTextBlock>
#include <QTextDocument>

namespace {

constexpr int noEnding = -1;

int endingOf(int userState)
{
    return userState < 0 ? noEnding : (userState >> 1) - 1;
}

int stateOf(int ending, bool flag)
{
    return ((ending + 1) << 1) | (flag ? 1 : 0);
}

} // namespace

bool BlockFlag(int userState)
{
    return userState >= 0 && (userState & 1) != 0;
}

int WithBlockFlag(int userState, bool flag)
{
    return stateOf(endingOf(userState), flag);
}

void RememberLineEndings(QTextDocument &document, const LineEndings &endings)
{
    qsizetype line = 0;
    for (QTextBlock block = document.begin(); block.isValid() && line < endings.size(); block = block.next())
        block.setUserState(stateOf(int(endings[line++]), BlockFlag(block.userState())));
}

LineEndings RememberedLineEndings(const QTextDocument &document, TextFileFormat::LineEnding fresh)
{
    LineEndings endings;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const qsizetype typedSeparators = block.text().count(QChar::LineSeparator);
        endings.insert(endings.size(), typedSeparators, fresh);
        if (!block.next().isValid())
            break;
        const int remembered = endingOf(block.userState());
        endings.append(remembered == noEnding ? fresh : TextFileFormat::LineEnding(remembered));
    }
    return endings;
}
