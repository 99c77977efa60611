#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

#include <functional>

// Colours the tags of a document while the user types, with the tag scanner and the
// colour of the colouring pass. The colour lives in the editor's layout only, never in
// the document's character formats, so saving and the passes see the text as before.
//
// Only the lines an edit touched are looked at again, and the lines after them while a
// tag stays open across a line break. A "<" is a tag only when a ">" follows it somewhere
// in the text, as the pass reads it, so a line may change how the lines above it read:
// those are looked at again once the edit is done.
class LiveTagHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    LiveTagHighlighter(QTextDocument *document, const QColor &color);

    void SetTagColor(const QColor &color);

protected:
    void highlightBlock(const QString &text) override;

private:
    void markLine(bool insideTag);
    bool closesAfterThisLine() const;
    void recheckLinesAbove(bool tagWasOpen);
    void recolourAll(const std::function<void()> &recolour);
    void quietly(const std::function<void()> &recolour);

    QTextCharFormat format_;
};
