#pragma once

#include <QString>
#include <QStringList>

// Starts another program detached, with its arguments passed as they are: no shell sits
// between, so blanks and shell characters in a path reach the program unchanged.
class ProgramStarter
{
public:
    virtual ~ProgramStarter() = default;
    // False when the program could not be started.
    virtual bool start(const QString &program, const QStringList &arguments) = 0;
};

class DetachedProgramStarter final : public ProgramStarter
{
public:
    bool start(const QString &program, const QStringList &arguments) override;
};
