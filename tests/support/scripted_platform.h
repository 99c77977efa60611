#pragma once

#include "platform/platform.h"

#include <QDateTime>
#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

// Answers the shared common dialog from a queue and records every showing. With the
// queue empty the dialog counts as cancelled.
class ScriptedDialogs final : public CommonDialogBackend
{
public:
    enum class Kind { Open, Save, Color, Font, Printer };

    struct Answer
    {
        bool accept = true;
        QString fileName;       // Open, Save
        std::uint32_t color = 0;  // Color, and Font with effects
        QString fontName;
        double fontSize = 0;
        bool bold = false;
        QString printToPdf;     // Printer: the PDF file the job writes to
    };

    // What the program had set on the dialog when it was shown.
    struct Request
    {
        Kind kind;
        QString fileName;
        QString filter;
        QString defaultExt;
        std::uint32_t flags;
        std::uint32_t color;
        QString fontName;
        double fontSize;
        bool bold, italic;
        QString initDir;
    };

    void answerFile(const QString &fileName) { answers.enqueue({true, fileName}); }
    void answerColor(std::uint32_t color) { Answer a; a.color = color; answers.enqueue(a); }
    void answerFont(const QString &name, double size = 0, bool bold = false, std::uint32_t color = 0)
    {
        Answer a;
        a.fontName = name;
        a.fontSize = size;
        a.bold = bold;
        a.color = color;
        answers.enqueue(a);
    }
    void answerPrint(const QString &pdfFile) { Answer a; a.printToPdf = pdfFile; answers.enqueue(a); }
    void cancel() { answers.enqueue({false}); }

    QQueue<Answer> answers;
    QList<Request> requests;

    bool showOpen(CommonDialog &dialog) override { return file(Kind::Open, dialog); }
    bool showSave(CommonDialog &dialog) override { return file(Kind::Save, dialog); }
    bool showColor(CommonDialog &dialog) override;
    bool showFont(CommonDialog &dialog) override;
    bool showPrinter(CommonDialog &dialog, QPrinter &printer) override;

private:
    bool next(Kind kind, CommonDialog &dialog, Answer &answer);
    bool file(Kind kind, CommonDialog &dialog);
};

// Records every message box and answers from a queue; with the queue empty, a box with
// only an OK button is answered OK and any other box is cancelled.
class ScriptedMessages final : public MessageBoxes
{
public:
    struct Shown
    {
        QString text;
        QString title;
        MsgButtons buttons;
        MsgIcon icon;
        QStringList choices;  // the named buttons of a choice
    };

    void queue(std::initializer_list<MsgAnswer> next)
    {
        for (MsgAnswer answer : next)
            answers.enqueue(answer);
    }

    QQueue<MsgAnswer> answers;
    // The captions of the buttons that the next choices are answered with; with none
    // left, a choice gets its last button, as Escape gives.
    QQueue<QString> picks;
    QList<Shown> shown;
    // Runs while a box is on screen, as the user's other windows would go on running.
    std::function<void()> whileShown;

    MsgAnswer show(const QString &text, const QString &title, MsgButtons buttons, MsgIcon icon) override;
    int choose(const QString &text, const QString &title, const QStringList &choices, MsgIcon icon) override;
};

class RecordingStarter final : public ProgramStarter
{
public:
    struct Call
    {
        QString program;
        QStringList arguments;
    };
    QList<Call> calls;
    QList<QUrl> openedUrls;
    bool succeed = true;

    bool start(const QString &program, const QStringList &arguments) override
    {
        calls.append({program, arguments});
        return succeed;
    }
    bool openUrl(const QUrl &url) override
    {
        openedUrls.append(url);
        return succeed;
    }
};

class FixedClock final : public Clock
{
public:
    QDateTime time = QDateTime(QDate(2026, 3, 14), QTime(15, 9, 26));
    QDateTime now() const override { return time; }
};

class FixedMemory final : public MemoryStatus
{
public:
    MemoryFigures figures;
    MemoryFigures read() const override { return figures; }
};
