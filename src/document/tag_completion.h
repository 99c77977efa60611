#pragma once

#include "document/editor_switches.h"

#include <QObject>

class QCompleter;
class QStandardItemModel;
class RichTextBox;

inline constexpr EditorSwitch CompletionsSwitch{"Completions", "mnuOptionsCompletions", true};

// Offers what may come next as the user types: element names after "<" and a letter,
// the attributes of the element (its own, then the global ones) after a blank inside its
// start tag, and named character references after "&". Enter or Tab takes the item
// chosen in the list, Escape closes it, and typing goes on into the text.
class TagCompleter : public QObject
{
    Q_OBJECT

public:
    explicit TagCompleter(RichTextBox *editor);

    QCompleter *completer() const { return completer_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Offer { Nothing, Elements, Attributes, References };
    void afterKey(const QString &typed);
    void offer(Offer offer, const QString &element, int prefixStart);
    void fill(Offer offer, const QString &element);
    void take(const QString &completion);

    RichTextBox *editor_;
    QCompleter *completer_;
    QStandardItemModel *items_;
    Offer filled_ = Offer::Nothing;
    QString filledElement_;
    int prefixStart_ = 0;
};

// Starts or stops offering completions in the editor.
void OfferCompletions(RichTextBox *editor, bool on);
