#pragma once

#include <QString>
#include <QStringList>

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Exclamation, Question, Critical };
enum class MsgAnswer { Ok, Cancel, Yes, No };

// Modal questions and notices. The program title "Tagsmith" is the usual title.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual MsgAnswer show(const QString &text, const QString &title, MsgButtons buttons, MsgIcon icon) = 0;
    // A question answered by one of the named buttons: the first is the default, the last
    // is what Escape or closing the box gives. The index of the answer.
    virtual int choose(const QString &text, const QString &title, const QStringList &choices, MsgIcon icon) = 0;
};

class QtMessageBoxes final : public MessageBoxes
{
public:
    MsgAnswer show(const QString &text, const QString &title, MsgButtons buttons, MsgIcon icon) override;
    int choose(const QString &text, const QString &title, const QStringList &choices, MsgIcon icon) override;
};
