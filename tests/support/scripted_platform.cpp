#include "support/scripted_platform.h"

#include <QFileInfo>
#include <QPrinter>

bool ScriptedDialogs::next(Kind kind, CommonDialog &dialog, Answer &answer)
{
    requests.append({kind, dialog.FileName, dialog.Filter, dialog.DefaultExt, dialog.Flags, dialog.Color,
                     dialog.FontName, dialog.FontSize, dialog.FontBold, dialog.FontItalic, dialog.InitDir});
    if (answers.isEmpty())
        return false;
    answer = answers.dequeue();
    return answer.accept;
}

bool ScriptedDialogs::file(Kind kind, CommonDialog &dialog)
{
    Answer answer;
    if (!next(kind, dialog, answer))
        return false;
    dialog.FileName = answer.fileName;
    dialog.FileTitle = QFileInfo(answer.fileName).fileName();
    return true;
}

bool ScriptedDialogs::showColor(CommonDialog &dialog)
{
    Answer answer;
    if (!next(Kind::Color, dialog, answer))
        return false;
    dialog.Color = answer.color;
    return true;
}

bool ScriptedDialogs::showFont(CommonDialog &dialog)
{
    Answer answer;
    if (!next(Kind::Font, dialog, answer))
        return false;
    dialog.FontName = answer.fontName;
    dialog.FontSize = answer.fontSize;
    dialog.FontBold = answer.bold;
    // The font chosen is plain but for its weight.
    dialog.FontItalic = dialog.FontStrikethru = dialog.FontUnderline = false;
    dialog.Color = answer.color;
    return true;
}

bool ScriptedDialogs::showPrinter(CommonDialog &dialog, QPrinter &printer)
{
    Answer answer;
    if (!next(Kind::Printer, dialog, answer))
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(answer.printToPdf);
    return true;
}

MsgAnswer ScriptedMessages::show(const QString &text, const QString &title, MsgButtons buttons, MsgIcon icon)
{
    shown.append({text, title, buttons, icon});
    if (whileShown)
        whileShown();
    if (!answers.isEmpty())
        return answers.dequeue();
    return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
}

int ScriptedMessages::choose(const QString &text, const QString &title, const QStringList &choices, MsgIcon icon)
{
    shown.append({text, title, MsgButtons::Ok, icon, choices});
    if (whileShown)
        whileShown();
    const qsizetype picked = picks.isEmpty() ? -1 : choices.indexOf(picks.dequeue());
    return int(picked < 0 ? choices.size() - 1 : picked);
}
