#pragma once

#include "tools/page_check.h"

#include <QDockWidget>
#include <QPointer>

class EditorSurface;
class PageProblemsModel;
class QLabel;
class QModelIndex;
class QTreeView;

// The panel under the documents that lists HTML Tidy's findings on one document's page:
// line, column, severity and message, in the page's order. Activating a row (a double
// click, or Return) puts the caret at its place in that document and gives it the focus.
class PageProblemsPanel : public QDockWidget
{
    Q_OBJECT

public:
    explicit PageProblemsPanel(QWidget *parent);

    // Checks the editor's text as it is now and shows the findings in place of any
    // earlier ones.
    void Check(EditorSurface &editor);
    // Shows these findings in place of any earlier ones; a line or column of 0 is none.
    void Show(const QList<PageProblem> &problems);

    const QList<PageProblem> &problems() const;
    QTreeView *view() const { return view_; }

private:
    void jumpTo(const QModelIndex &index);

    PageProblemsModel *model_ = nullptr;
    QTreeView *view_ = nullptr;
    QLabel *none_ = nullptr;
    QPointer<EditorSurface> checked_;
};
