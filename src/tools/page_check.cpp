#include "tools/page_check.h"

#include "platform/reader_characters.h"
#include "tools/tidy_document.h"

#include <algorithm>

namespace {

// What Tidy reports, before its columns are turned into characters.
struct Finding
{
    int line;
    int tidyColumn;
    TidyReportLevel level;
    QString message;
};

Bool TIDY_CALL collect(TidyMessage message)
{
    auto *findings = static_cast<QList<Finding> *>(tidyGetAppData(tidyGetMessageDoc(message)));
    const TidyReportLevel level = tidyGetMessageLevel(message);
    if (level == TidyWarning || level == TidyError || level == TidyBadDocument || level == TidyFatal)
        findings->append({tidyGetMessageLine(message), tidyGetMessageColumn(message), level,
                          QString::fromUtf8(tidyGetMessage(message)).trimmed()});
    // Handled here: nothing goes on to Tidy's own error output.
    return no;
}

QString severityOf(TidyReportLevel level)
{
    return level == TidyWarning ? QStringLiteral("Warning") : QStringLiteral("Error");
}

// Where each line starts; line n (from 1) starts at lineStarts[n - 1].
QList<int> lineStartsOf(const QString &text)
{
    QList<int> starts{0};
    for (int i = 0; i < text.size(); ++i)
        if (text[i] == QLatin1Char('\n'))
            starts.append(i + 1);
    return starts;
}

int lineEnd(const QString &text, const QList<int> &lineStarts, int line)
{
    return line < lineStarts.size() ? lineStarts[line] - 1 : int(text.size());
}

// Tidy counts a tab up to its next tab stop, each code point as one column and a NUL as
// none; the reader sees a tab, a NUL and a letter with its accents as one character each.
int characterColumn(const QString &text, int start, int end, int tidyColumn, int tabSize)
{
    int column = 1;
    int i = start;
    while (i < end && column < tidyColumn) {
        if (text[i].isNull())
            ;
        else if (text[i] == QLatin1Char('\t') && tabSize > 0)
            column += tabSize - (column - 1) % tabSize;
        else
            ++column;
        i += (text[i].isHighSurrogate() && i + 1 < end && text[i + 1].isLowSurrogate()) ? 2 : 1;
    }
    return ReaderColumn(QStringView(text).mid(start, end - start), i - start);
}

} // namespace

QList<PageProblem> FindPageProblems(const QString &text)
{
    TidyDocument tidy;
    QList<Finding> findings;
    tidySetAppData(tidy.doc(), &findings);
    tidySetMessageCallback(tidy.doc(), &collect);
    const int status = tidy.ParseAndRepair(text);
    if (status < 0)
        findings.append({0, 0, TidyFatal, QStringLiteral("HTML Tidy could not check the page (error %1)").arg(-status)});

    const QList<int> lineStarts = lineStartsOf(text);
    const int tabSize = int(tidyOptGetInt(tidy.doc(), TidyTabSize));
    QList<PageProblem> problems;
    problems.reserve(findings.size());
    for (const Finding &finding : std::as_const(findings)) {
        PageProblem problem{finding.line, 0, severityOf(finding.level), finding.message};
        if (finding.line >= 1 && finding.line <= lineStarts.size())
            problem.column = characterColumn(text, lineStarts[finding.line - 1],
                                             lineEnd(text, lineStarts, finding.line), finding.tidyColumn, tabSize);
        problems.append(problem);
    }
    // Tidy reports some findings only once the whole page is read; the list follows the page.
    std::stable_sort(problems.begin(), problems.end(), [](const PageProblem &a, const PageProblem &b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    return problems;
}

int PositionOfLineColumn(const QString &text, int line, int column)
{
    int start = 0;
    for (int n = 1; n < line; ++n) {
        const qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            return int(text.size());
        start = int(end) + 1;
    }
    qsizetype end = text.indexOf(QLatin1Char('\n'), start);
    if (end < 0)
        end = text.size();
    return start + int(OffsetOfReaderColumn(QStringView(text).mid(start, end - start), column));
}
