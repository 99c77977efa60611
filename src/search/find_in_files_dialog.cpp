#include "search/find_in_files_dialog.h"

#include "platform/program_context.h"
#include "platform/settings_store.h"
#include "search/file_search_panel.h"
#include "search/find_next_match.h"
#include "search/search_options.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString DefaultFileTypes = QStringLiteral("*.html;*.htm;*.css;*.js;*.txt");

QString storedText(const SettingsStore &settings, const char *section)
{
    const QString name = QLatin1String(section);
    return settings.read(name, name);
}

} // namespace

frmFindInFiles::frmFindInFiles(ProgramContext &program, FileSearchPanel &panel, bool replace, const QString &folder)
    : QDialog(program.FrameWindow()), program_(program), panel_(panel)
{
    setObjectName(replace ? QStringLiteral("frmReplaceInFiles") : QStringLiteral("frmFindInFiles"));
    setWindowTitle(replace ? QStringLiteral("Replace in Files") : QStringLiteral("Find in Files"));
    auto *layout = new QGridLayout(this);
    int row = 0;
    const auto field = [&](const char *name, const QString &caption) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QLatin1String(name));
        auto *label = new QLabel(caption, this);
        label->setBuddy(box);
        layout->addWidget(label, row, 0);
        layout->addWidget(box, row++, 1, 1, 2);
        return box;
    };
    const auto check = [&](const char *name, const QString &caption, const char *section, bool *choice,
                           bool byDefault, int column) {
        auto *box = new QCheckBox(caption, this);
        box->setObjectName(QLatin1String(name));
        RememberCheckBox(box, program.settings(), section, choice, byDefault);
        layout->addWidget(box, row, column);
        return box;
    };
    Text1 = field("Text1", QStringLiteral("Fi&nd What:"));
    Text1->setMinimumWidth(280);
    if (replace)
        Text2 = field("Text2", QStringLiteral("Replace &With:"));
    txtFolder = field("txtFolder", QStringLiteral("F&older:"));
    const QString remembered = storedText(program.settings(), SearchOption::FilesFolder);
    txtFolder->setText(QFileInfo(remembered).isDir() ? remembered : folder);
    txtFileTypes = field("txtFileTypes", QStringLiteral("File &types:"));
    const QString types = storedText(program.settings(), SearchOption::FilesTypes);
    txtFileTypes->setText(types.isEmpty() ? DefaultFileTypes : types);
    chkCase = check("chkCase", QStringLiteral("&Match Case"), SearchOption::FilesMatchCase, &matchCase_, false, 1);
    chkWholeWord =
        check("chkWholeWord", QStringLiteral("Whole w&ord"), SearchOption::FilesWholeWord, &wholeWord_, false, 2);
    ++row;
    chkRegularExpression = check("chkRegularExpression", QStringLiteral("Regular &expression"),
                                 SearchOption::FilesRegularExpression, &regularExpression_, false, 1);
    chkSubfolders =
        check("chkSubfolders", QStringLiteral("&Subfolders"), SearchOption::FilesSubfolders, &subfolders_, true, 2);

    cmdFind = new QPushButton(replace ? QStringLiteral("&Find Matches") : QStringLiteral("&Find"), this);
    cmdFind->setObjectName(QStringLiteral("cmdFind"));
    cmdFind->setDefault(true);
    cmdFind->setEnabled(false);
    cmdCancel = new QPushButton(QStringLiteral("&Close"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
    layout->addWidget(cmdFind, 0, 3);
    layout->addWidget(cmdCancel, 1, 3);
    layout->setColumnStretch(1, 1);

    connect(Text1, &QLineEdit::textChanged, this, [this](const QString &text) { cmdFind->setEnabled(!text.isEmpty()); });
    connect(cmdFind, &QPushButton::clicked, this, &frmFindInFiles::cmdFind_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::close);
}

void frmFindInFiles::cmdFind_Click()
{
    FileSearchRequest request;
    request.pattern = Text1->text();
    request.options = {regularExpression_, matchCase_, wholeWord_};
    const TextMatcher matcher(request.pattern, request.options);
    const QString problem = !matcher.isValid() ? matcher.errorMessage()
                            : Text2                ? matcher.replacementError(Text2->text())
                                                   : QString();
    if (!problem.isEmpty())
        return ShowSearchProblem(program_, problem);
    request.folder = QDir::cleanPath(txtFolder->text().trimmed());
    if (request.folder.isEmpty() || !QFileInfo(request.folder).isDir())
        return ShowSearchProblem(program_, QStringLiteral("Can't search in folder \"%1\": there is no such folder")
                                               .arg(txtFolder->text()));
    request.fileTypes = txtFileTypes->text().split(QLatin1Char(';'), Qt::SkipEmptyParts);
    request.subfolders = subfolders_;
    for (const auto &[section, value] : {std::pair{SearchOption::FilesFolder, request.folder},
                                         std::pair{SearchOption::FilesTypes, txtFileTypes->text()}})
        program_.settings().write(QLatin1String(section), QLatin1String(section), value);
    panel_.Start(request, Text2 ? std::optional(Text2->text()) : std::nullopt);
    close();
}
