#pragma once

#include <QString>
#include <QStringList>

class QUrl;

// Starts another program detached, with its arguments passed as they are: no shell sits
// between, so blanks and shell characters in a path reach the program unchanged.
class ProgramStarter
{
public:
    virtual ~ProgramStarter() = default;
    // False when the program could not be started.
    virtual bool start(const QString &program, const QStringList &arguments) = 0;
    // Opens the address in the desktop's default program for it; false when none took it.
    virtual bool openUrl(const QUrl &url) = 0;
};

class DetachedProgramStarter final : public ProgramStarter
{
public:
    bool start(const QString &program, const QStringList &arguments) override;
    bool openUrl(const QUrl &url) override;
};
