#include "document/notepad_window.h"

#include "document/editor_switches.h"
#include "document/encoding_commands.h"
#include "document/file_commands.h"
#include "platform/encoding_names.h"

#include <QAction>
#include <QMenu>

namespace {

// The items are named after their menu and the encoding's caption, which is unique in it.
void addEncodingItems(QMenu *menu, const QString &prefix, const QList<EncodingChoice> &choices,
                      const std::function<void(const TextFileFormat &)> &chosen)
{
    for (const EncodingChoice &choice : choices) {
        QAction *item = menu->addAction(choice.caption);
        item->setObjectName(prefix + choice.caption);
        QObject::connect(item, &QAction::triggered, menu, [chosen, format = choice.format] { chosen(format); });
    }
}

QMenu *encodingMenu(QMenu *file, const QString &name, const QString &caption, bool withMarks,
                    const std::function<void(const TextFileFormat &)> &chosen)
{
    QMenu *menu = file->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    addEncodingItems(menu, name + QLatin1Char('_'), CommonEncodings(withMarks), chosen);
    // Hundreds of names: listed only once the user first looks.
    QMenu *more = menu->addMenu(QStringLiteral("More\u2026"));
    more->setObjectName(name + QStringLiteral("More"));
    more->menuAction()->setObjectName(name + QStringLiteral("More"));
    QObject::connect(more, &QMenu::aboutToShow, more, [more, name, withMarks, chosen] {
        if (more->isEmpty())
            addEncodingItems(more, name + QLatin1Char('_'), OtherEncodings(withMarks), chosen);
    });
    return menu;
}

} // namespace

// After Exit, the last of the classic items, and before the recent files, which end the menu.
void frmNotePad::addFileAdditions()
{
    auto *file = findChild<QMenu *>(QStringLiteral("mnuFile"));
    QAction *recent = nullptr;
    for (QAction *item : file->actions())
        if (item->objectName() == QLatin1String("mnuRecentFile0"))
            recent = item;
    QMenu *reopen = encodingMenu(file, QStringLiteral("mnuFileReopenEncoding"), QStringLiteral("Reopen with &Encoding"),
                                 false, [this](const TextFileFormat &format) {
                                     if (!isUntitled() && !IsRichTextName(Caption()))
                                         ReopenWithEncoding(program_, *this, format);
                                 });
    QMenu *save = encodingMenu(file, QStringLiteral("mnuFileSaveEncoding"), QStringLiteral("Save &with Encoding"), true,
                               [this](const TextFileFormat &format) {
                                   if (!IsRichTextName(Caption()))
                                       SaveWithEncoding(program_, *this, format);
                               });
    auto *separator = new QAction(file);
    separator->setSeparator(true);
    separator->setObjectName(QStringLiteral("mnuFileSep3"));
    for (QAction *item : {separator, reopen->menuAction(), save->menuAction()}) {
        file->removeAction(item);
        file->insertAction(recent, item);
    }
    // A page of rich text has no encoding, and one never saved has nothing to reopen.
    connect(file, &QMenu::aboutToShow, this, [this, reopen, save] {
        reopen->setEnabled(!isUntitled() && !IsRichTextName(Caption()));
        save->setEnabled(!IsRichTextName(Caption()));
    });

    auto *options = findChild<QMenu *>(QStringLiteral("mnuOptions"));
    addSwitch(options, ReopenFilesSwitch, QStringLiteral("Reopen Files at Start"), [](frmNotePad &, bool) {});
}
