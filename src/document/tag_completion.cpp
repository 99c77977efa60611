#include "document/tag_completion.h"

#include "document/editor_helper.h"
#include "document/html_vocabulary.h"
#include "document/tag_pairs.h"
#include "document/typed_keys.h"
#include "platform/rich_text_box.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QCompleter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTextBlock>

namespace {

bool isNameCharacter(QChar c)
{
    return c.unicode() < 128 && (c.isLetterOrNumber() || c == QLatin1Char('-'));
}

void addItem(QStandardItemModel *items, const QString &completion, const QString &shown)
{
    // The list matches what is typed against the text it shows, which begins with the name.
    auto *item = new QStandardItem(shown);
    item->setData(completion, Qt::UserRole);
    items->appendRow(item);
}

} // namespace

TagCompleter::TagCompleter(RichTextBox *editor)
    : QObject(editor), editor_(editor), completer_(new QCompleter(this)), items_(new QStandardItemModel(this))
{
    setObjectName(QStringLiteral("TagCompleter"));
    completer_->setObjectName(QStringLiteral("completions"));
    completer_->setModel(items_);
    completer_->setWidget(editor_);
    completer_->setCompletionMode(QCompleter::PopupCompletion);
    completer_->setMaxVisibleItems(12);
    connect(completer_, QOverload<const QModelIndex &>::of(&QCompleter::activated), this,
            [this](const QModelIndex &index) { take(index.data(Qt::UserRole).toString()); });
    TypedKeys::Follow(editor_, this, [this](const QString &typed) { afterKey(typed); });
    completer_->popup()->installEventFilter(this);
}

// The list has the keyboard while it shows, and Qt hands what is typed there to the editor
// past the editor's helpers; sent on here, it reaches them, closing tags and offering on.
bool TagCompleter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == completer_->popup() && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Qt offers these to the editor first, which would take them as a line break or a tab.
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Tab) {
            const QModelIndex chosen = completer_->popup()->currentIndex();
            completer_->popup()->hide();
            if (chosen.isValid())
                take(chosen.data(Qt::UserRole).toString());
            return true;
        }
        if (!key->text().isEmpty() && key->text()[0].isPrint()) {
            QCoreApplication::sendEvent(editor_, event);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TagCompleter::afterKey(const QString &typed)
{
    QTextDocument &document = *editor_->document();
    const QTextCursor caret = editor_->textCursor();
    const int position = caret.position();
    const QTextBlock line = caret.block();
    const QString before = line.text().left(position - line.position());
    qsizetype start = before.size();
    while (start > 0 && isNameCharacter(before[start - 1]))
        --start;
    const int prefixStart = line.position() + int(start);
    const bool extends = isNameCharacter(typed[0]);

    const ReadingUpTo reading = ReadUpTo(document, position);
    switch (reading.state.mode) {
    case ScanState::TagName:
        if (extends)
            return offer(Offer::Elements, {}, prefixStart);
        break;
    case ScanState::AttributeName:
    case ScanState::BeforeAttribute:
    case ScanState::AfterAttributeName:
        if ((extends || typed == QLatin1String(" ")) && reading.constructStart >= 0) {
            const QString tag = TextBetween(document, reading.constructStart, position);
            if (tag.size() > 1 && tag[1] != QLatin1Char('/'))
                return offer(Offer::Attributes, StartTagName(tag, 1).toString(), prefixStart);
        }
        break;
    case ScanState::Text:
        if (start > 0 && before[start - 1] == QLatin1Char('&') && (extends || typed == QLatin1String("&")))
            return offer(Offer::References, {}, prefixStart);
        break;
    default:
        break;
    }
    completer_->popup()->hide();
}

void TagCompleter::offer(Offer offer, const QString &element, int prefixStart)
{
    fill(offer, element);
    prefixStart_ = prefixStart;
    const int caret = editor_->textCursor().position();
    completer_->setCompletionPrefix(TextBetween(*editor_->document(), prefixStart, caret));
    if (completer_->completionCount() == 0) {
        completer_->popup()->hide();
        return;
    }
    QRect place = editor_->cursorRect();
    // Wide enough for the longest name shown, and never narrower than a short column.
    const int widest = qMax(completer_->popup()->sizeHintForColumn(0),
                            editor_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 16);
    place.setWidth(widest + completer_->popup()->verticalScrollBar()->sizeHint().width());
    completer_->complete(place);
    completer_->popup()->setCurrentIndex(completer_->completionModel()->index(0, 0));
}

void TagCompleter::fill(Offer offer, const QString &element)
{
    if (offer == filled_ && element == filledElement_)
        return;
    filled_ = offer;
    filledElement_ = element;
    items_->clear();
    // References differ by case alone (Eacute, eacute); names of HTML do not.
    completer_->setCaseSensitivity(offer == Offer::References ? Qt::CaseSensitive : Qt::CaseInsensitive);
    const HtmlVocabulary &vocabulary = HtmlVocabulary::instance();
    if (offer == Offer::Elements) {
        for (const QString &name : vocabulary.elements())
            addItem(items_, name, vocabulary.isObsolete(name) ? name + QStringLiteral(" (obsolete)") : name);
    } else if (offer == Offer::Attributes) {
        for (const QString &name : vocabulary.attributesOf(element))
            addItem(items_, name, name);
    } else {
        for (const auto &[name, character] : vocabulary.references())
            addItem(items_, name, name + QStringLiteral("  ") + character);
    }
}

// The item replaces what was typed of it: an element name in the case the user began it
// in, an attribute with its quotes and the caret between them, a reference with its ";".
void TagCompleter::take(const QString &completion)
{
    QTextCursor cursor = editor_->textCursor();
    const QString typed = TextBetween(*editor_->document(), prefixStart_, cursor.position());
    QString text = completion;
    int back = 0;
    if (filled_ == Offer::Elements && !typed.isEmpty() && typed[0].isUpper())
        text = text.toUpper();
    else if (filled_ == Offer::Attributes) {
        text += QStringLiteral("=\"\"");
        back = 1;
    } else if (filled_ == Offer::References)
        text += QLatin1Char(';');
    cursor.beginEditBlock();
    cursor.setPosition(prefixStart_, QTextCursor::KeepAnchor);
    cursor.insertText(text);
    cursor.endEditBlock();
    cursor.setPosition(cursor.position() - back);
    editor_->setTextCursor(cursor);
}

void OfferCompletions(RichTextBox *editor, bool on)
{
    SetEditorHelper<TagCompleter>(editor, on);
}
