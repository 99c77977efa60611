#pragma once

#include <QList>
#include <QString>

// One finding of HTML Tidy on a page.
struct PageProblem
{
    int line = 0;    // counted from 1; 0 when Tidy names no place on the page
    int column = 0;  // characters as the reader sees them from the line's start, counted from 1
    QString severity;  // "Warning" or "Error"
    QString message;   // Tidy's own words

    bool operator==(const PageProblem &) const = default;
};

// Runs HTML Tidy over the text ("\n" line breaks) with Tidy's own defaults, so the page's
// doctype decides whether HTML 4 or HTML5 rules apply, and returns its warnings and
// errors in the page's order. Tidy's informational notes and its summary are left out.
// Nothing is written anywhere: Tidy's output goes nowhere.
QList<PageProblem> FindPageProblems(const QString &text);

// The editor's position of a line and a column in the reader's characters, both counted
// from 1; a place beyond a line's end is its end, and one beyond the text is the text's end.
int PositionOfLineColumn(const QString &text, int line, int column);
