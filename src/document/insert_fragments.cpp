#include "document/insert_fragments.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>

namespace {

const QString CrLf = QStringLiteral("\r\n");

QStringList headLines()
{
    return {QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">"), QStringLiteral("<HTML>"),
            QStringLiteral("<HEAD>"), QStringLiteral("<TITLE></TITLE>"), QStringLiteral("</HEAD>")};
}

bool isDecoration(QChar c)
{
    return c.isSpace() || c == QLatin1Char(',');
}

// The locale's long time names the time zone too; the time of day is wanted alone. The
// zone field goes, with the brackets and separators that only framed it.
QString timeOfDayFormat(const QLocale &locale)
{
    QString format;
    bool quoted = false;
    for (const QChar c : locale.timeFormat(QLocale::LongFormat)) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != QLatin1Char('t'))
            format += c;
    }
    format.remove(QStringLiteral("()"));
    format.remove(QStringLiteral("[]"));
    while (!format.isEmpty() && isDecoration(format.front()))
        format.remove(0, 1);
    while (!format.isEmpty() && isDecoration(format.back()))
        format.chop(1);
    return format;
}

} // namespace

QString HeaderFragment()
{
    return (headLines() << QStringLiteral("</HTML>")).join(CrLf);
}

QString StandardTemplateFragment()
{
    return (headLines() << QStringLiteral("<BODY>") << QStringLiteral("</BODY>") << QStringLiteral("</HTML>"))
        .join(CrLf);
}

QString StandardRuleFragment()
{
    return QStringLiteral("<HR WIDTH=\"95%\" ALIGN=\"CENTER\">");
}

QString CommentText(const QString &selected)
{
    return QStringLiteral("<!-- ") + selected + QStringLiteral(" -->");
}

QString TimeDateText(const QDateTime &now, const QLocale &locale)
{
    const QString date = locale.toString(now.date(), QLocale::ShortFormat);
    const QTime time = now.time();
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0)
        return date;
    return date + QLatin1Char(' ') + locale.toString(time, timeOfDayFormat(locale));
}
