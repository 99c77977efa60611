#include "document/typed_keys.h"

#include "platform/rich_text_box.h"

#include <QCoreApplication>
#include <QKeyEvent>

TypedKeys::TypedKeys(RichTextBox *editor) : QObject(editor), editor_(editor)
{
    setObjectName(QStringLiteral("TypedKeys"));
    editor_->installEventFilter(this);
}

void TypedKeys::Follow(RichTextBox *editor, QObject *owner, AfterKey after)
{
    auto *keys = editor->findChild<TypedKeys *>(QStringLiteral("TypedKeys"), Qt::FindDirectChildrenOnly);
    if (!keys)
        keys = new TypedKeys(editor);
    keys->followers_.append({owner, std::move(after)});
    connect(owner, &QObject::destroyed, keys, [keys, owner] {
        keys->followers_.removeIf([owner](const Follower &follower) { return follower.owner == owner; });
    });
}

bool TypedKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (typing_ || watched != editor_ || event->type() != QEvent::KeyPress || followers_.isEmpty()
        || editor_->isReadOnly())
        return false;
    const QString typed = static_cast<QKeyEvent *>(event)->text();
    if (typed.isEmpty() || !typed[0].isPrint())
        return false;
    typing_ = true;
    QCoreApplication::sendEvent(editor_, event);
    typing_ = false;
    for (const Follower &follower : QList<Follower>(followers_))
        follower.after(typed);
    return true;
}
