#include "app/session_files.h"

#include "document/document_table.h"
#include "document/editor_switches.h"
#include "document/file_commands.h"
#include "document/notepad_window.h"
#include "document/program.h"
#include "platform/editor_surface.h"
#include "platform/native_file_name.h"
#include "platform/rich_text_box.h"
#include "platform/settings_store.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QScrollBar>
#include <QTextDocument>

namespace {

const QString section = QStringLiteral("SessionFiles");

QString key(const char *name, int number)
{
    return QString::fromLatin1(name) + QString::number(number);
}

} // namespace

void RememberSessionFiles(Program &program, QMdiArea *area)
{
    SettingsStore &settings = program.settings();
    int count = 0;
    int active = 0;
    if (IsSwitchOn(settings, ReopenFilesSwitch)) {
        for (QMdiSubWindow *sub : area->subWindowList()) {
            auto *window = qobject_cast<frmNotePad *>(sub);
            // A name Qt cannot reach could not be opened again by it.
            if (!window || window->isUntitled() || !IsQtFileName(window->Caption()))
                continue;
            ++count;
            settings.write(section, key("File", count), window->Caption());
            settings.write(section, key("Place", count),
                           QStringLiteral("%1 %2")
                               .arg(window->editor().SelStart())
                               .arg(window->RichTextBox1->verticalScrollBar()->value()));
            if (sub == area->currentSubWindow())
                active = count;
        }
    }
    settings.write(section, QStringLiteral("Count"), QString::number(count));
    settings.write(section, QStringLiteral("Active"), QString::number(active));
}

bool ReopenSessionFiles(Program &program, QMdiArea *area)
{
    SettingsStore &settings = program.settings();
    if (!IsSwitchOn(settings, ReopenFilesSwitch))
        return false;
    const int count = settings.read(section, QStringLiteral("Count")).toInt();
    const int active = settings.read(section, QStringLiteral("Active")).toInt();
    QStringList gone;
    frmNotePad *front = nullptr;
    bool any = false;
    for (int number = 1; number <= count; ++number) {
        const QString fileName = settings.read(section, key("File", number));
        if (fileName.isEmpty())
            continue;
        if (!QFileInfo::exists(fileName)) {
            gone.append(fileName);
            continue;
        }
        frmNotePad *window = OpenDocumentFile(program, fileName);
        if (!window)
            continue;
        any = true;
        ColorTagsOnOpening(program, window);
        const QStringList place = settings.read(section, key("Place", number)).split(QLatin1Char(' '));
        if (place.size() == 2) {
            window->editor().SetSelStart(qBound(0, place[0].toInt(), window->editor().document()->characterCount() - 1));
            window->RichTextBox1->verticalScrollBar()->setValue(place[1].toInt());
            // Putting the caret back is no change of the user's.
            window->state().Changed = false;
        }
        if (number == active)
            front = window;
    }
    if (front)
        area->setActiveSubWindow(front);
    if (!gone.isEmpty())
        program.messages().show(QStringLiteral("These files of the last session are no longer there and were not "
                                               "opened again:\r\n")
                                    + gone.join(QStringLiteral("\r\n")),
                                QStringLiteral("Tagsmith"), MsgButtons::Ok, MsgIcon::Exclamation);
    return any;
}
