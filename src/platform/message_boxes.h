#pragma once

#include <QString>

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Exclamation, Question, Critical };
enum class MsgAnswer { Ok, Cancel, Yes, No };

// Modal questions and notices. The program title "Tagsmith" is the usual title.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual MsgAnswer show(const QString &text, const QString &title, MsgButtons buttons, MsgIcon icon) = 0;
};

class QtMessageBoxes final : public MessageBoxes
{
public:
    MsgAnswer show(const QString &text, const QString &title, MsgButtons buttons, MsgIcon icon) override;
};
