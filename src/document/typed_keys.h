#pragma once

#include <QObject>

#include <functional>

class RichTextBox;

// Lets helpers act on what the user types into an editor, once the editor has typed it:
// each key with text goes to the editor first, then to every helper still alive, in the
// order they asked. One hook per editor, so that helpers never see a key twice.
class TypedKeys : public QObject
{
    Q_OBJECT

public:
    using AfterKey = std::function<void(const QString &typed)>;

    // Calls `after` for each key typed into `editor` while `owner` lives.
    static void Follow(RichTextBox *editor, QObject *owner, AfterKey after);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit TypedKeys(RichTextBox *editor);

    struct Follower
    {
        QObject *owner;
        AfterKey after;
    };
    RichTextBox *editor_;
    QList<Follower> followers_;
    bool typing_ = false;
};
