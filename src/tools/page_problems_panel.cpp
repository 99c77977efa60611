#include "tools/page_problems_panel.h"

#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"
#include "platform/wait_cursor.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTreeView>
#include <QVBoxLayout>

// The rows of the panel; a model rather than an item per cell, so thousands of findings
// on a large page are shown without building thousands of widgets' worth of items.
class PageProblemsModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setProblems(const QList<PageProblem> &problems)
    {
        beginResetModel();
        problems_ = problems;
        endResetModel();
    }
    const QList<PageProblem> &problems() const { return problems_; }

    int rowCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : int(problems_.size()); }
    int columnCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : 4; }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        const PageProblem &problem = problems_[index.row()];
        switch (index.column()) {
        case 0:
            return problem.line > 0 ? QVariant(problem.line) : QVariant();
        case 1:
            return problem.column > 0 ? QVariant(problem.column) : QVariant();
        case 2:
            return problem.severity;
        default:
            return problem.message;
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        static const char *const titles[] = {"Line", "Column", "Severity", "Message"};
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 3)
            return {};
        return QString::fromLatin1(titles[section]);
    }

private:
    QList<PageProblem> problems_;
};

PageProblemsPanel::PageProblemsPanel(QWidget *parent) : QDockWidget(QStringLiteral("Check Page"), parent)
{
    setObjectName(QStringLiteral("dockCheckPage"));
    auto *contents = new QWidget(this);
    auto *layout = new QVBoxLayout(contents);
    layout->setContentsMargins(0, 0, 0, 0);

    none_ = new QLabel(QStringLiteral("No problems found"), contents);
    none_->setObjectName(QStringLiteral("lblCheckPageNone"));
    none_->setMargin(6);
    layout->addWidget(none_);

    model_ = new PageProblemsModel(this);
    view_ = new QTreeView(contents);
    view_->setObjectName(QStringLiteral("lvwCheckPage"));
    view_->setModel(model_);
    view_->setRootIsDecorated(false);
    view_->setUniformRowHeights(true);
    view_->setAlternatingRowColors(true);
    view_->header()->setStretchLastSection(true);
    layout->addWidget(view_);
    // Double click and Return both activate a row.
    connect(view_, &QTreeView::activated, this, &PageProblemsPanel::jumpTo);
    setWidget(contents);
    Show({});
}

const QList<PageProblem> &PageProblemsPanel::problems() const
{
    return model_->problems();
}

void PageProblemsPanel::Check(EditorSurface &editor)
{
    {
        WaitCursor hourglass;
        Show(FindPageProblems(editor.Text()));
    }
    if (checked_ != &editor) {
        if (checked_)
            disconnect(checked_, nullptr, this, nullptr);
        checked_ = &editor;
        // Rows of a closed document lead nowhere.
        connect(&editor, &QObject::destroyed, this, [this] {
            Show({});
            hide();
        });
    }
    show();
    raise();
    if (!problems().isEmpty()) {
        view_->setCurrentIndex(model_->index(0, 0));
        view_->resizeColumnToContents(0);
        view_->resizeColumnToContents(1);
        view_->resizeColumnToContents(2);
    }
}

void PageProblemsPanel::Show(const QList<PageProblem> &problems)
{
    model_->setProblems(problems);
    none_->setVisible(problems.isEmpty());
    view_->setVisible(!problems.isEmpty());
}

void PageProblemsPanel::jumpTo(const QModelIndex &index)
{
    if (!checked_ || !index.isValid())
        return;
    const PageProblem &problem = problems()[index.row()];
    for (QWidget *widget = checked_->widget(); widget; widget = widget->parentWidget()) {
        if (auto *window = qobject_cast<QMdiSubWindow *>(widget)) {
            if (window->mdiArea())
                window->mdiArea()->setActiveSubWindow(window);
            break;
        }
    }
    checked_->SetSelStart(PositionOfLineColumn(checked_->Text(), problem.line, problem.column));
    checked_->SetFocus();
}
