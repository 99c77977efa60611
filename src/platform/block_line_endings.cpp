#include "platform/block_line_endings.h"

#include <QTextBlock>
#include <QTextDocument>

void RememberLineEndings(QTextDocument &document, const LineEndings &endings)
{
    qsizetype line = 0;
    for (QTextBlock block = document.begin(); block.isValid() && line < endings.size(); block = block.next())
        block.setUserState(int(endings[line++]));
}

LineEndings RememberedLineEndings(const QTextDocument &document, TextFileFormat::LineEnding fresh)
{
    LineEndings endings;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const qsizetype typedSeparators = block.text().count(QChar::LineSeparator);
        endings.insert(endings.size(), typedSeparators, fresh);
        if (!block.next().isValid())
            break;
        // A block that never had an ending has the state -1.
        const int remembered = block.userState();
        endings.append(remembered < 0 ? fresh : TextFileFormat::LineEnding(remembered));
    }
    return endings;
}
