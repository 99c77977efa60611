#include "support/program_fixture.h"

#include "document/notepad_window.h"
#include "platform/rich_text_box.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTest>
#include <QTextCursor>
#include <QToolBar>

ProgramTest::ProgramTest() : settingsFile_(temp_.filePath(QStringLiteral("tagsmith.ini")))
{
    // Each test's journals live in its own folder, so no test finds another's left behind.
    qputenv("XDG_STATE_HOME", temp_.filePath(QStringLiteral("state")).toLocal8Bit());
    // The editor reads and types as plain text unless a test turns the HTML-aware help on,
    // so that what a test types is what the page holds.
    QSettings file(settingsFile_, QSettings::IniFormat);
    for (const char *helper : {"ColorTagsWhileTyping", "AutoCloseTags", "Completions", "RenameMatchingTags"})
        file.setValue(QStringLiteral("%1/%1").arg(QLatin1String(helper)), QStringLiteral("False"));
}

ProgramTest::~ProgramTest()
{
    frame_.reset();
    // Modeless dialogs and closed windows are deleted later; let that happen now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Puts a scripted seam in the platform's slot; the test keeps a way to reach it.
template <class Scripted, class Slot>
static Scripted *install(Slot &slot)
{
    auto seam = std::make_unique<Scripted>();
    Scripted *kept = seam.get();
    slot = std::move(seam);
    return kept;
}

frmMDI &ProgramTest::start()
{
    frame_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Platform platform;
    platform.settings = makeIniSettingsStore(settingsFile_);
    dialogs_ = install<ScriptedDialogs>(platform.dialogs);
    messages_ = install<ScriptedMessages>(platform.messages);
    starter_ = install<RecordingStarter>(platform.starter);
    clock_ = install<FixedClock>(platform.clock);
    memory_ = install<FixedMemory>(platform.memory);
    frame_ = std::make_unique<frmMDI>(std::move(platform));
    frame_->MDIForm_Load();
    return *frame_;
}

QString ProgramTest::stored(const QString &section, const QString &key) const
{
    QSettings file(settingsFile_, QSettings::IniFormat);
    return file.value(section + QLatin1Char('/') + key).toString();
}

QStringList ProgramTest::stored(const QString &section, const QStringList &keys) const
{
    QStringList values;
    for (const QString &key : keys)
        values << stored(section, key);
    return values;
}

void ProgramTest::store(const QString &section, const QString &key, const QString &value)
{
    QSettings file(settingsFile_, QSettings::IniFormat);
    file.setValue(section + QLatin1Char('/') + key, value);
}

static QAction *findIn(const QList<QAction *> &actions, const QString &name)
{
    for (QAction *action : actions) {
        if (action->objectName() == name)
            return action;
        if (action->menu())
            if (QAction *found = findIn(action->menu()->actions(), name))
                return found;
    }
    return nullptr;
}

QAction *ProgramTest::menuItem(const QString &name) const
{
    return findIn(frame_->menuBar()->actions(), name);
}

void ProgramTest::choose(const QString &name)
{
    QAction *item = menuItem(name);
    ASSERT_NE(item, nullptr) << "no menu item " << name.toStdString() << " in the menu bar";
    ASSERT_TRUE(item->isEnabled()) << name.toStdString() << " is disabled";
    ASSERT_TRUE(item->isVisible()) << name.toStdString() << " is hidden";
    item->trigger();
    QCoreApplication::processEvents();
}

void ProgramTest::choose(const QString &name, const QString &answerFile)
{
    if (answerFile.isEmpty())
        dialogs_->cancel();
    else
        dialogs_->answerFile(answerFile);
    choose(name);
}

QAction *ProgramTest::button(const QString &key) const
{
    for (QToolBar *toolbar : frame_->findChildren<QToolBar *>())
        for (QAction *action : toolbar->actions())
            if (action->objectName() == key)
                return action;
    return nullptr;
}

void ProgramTest::click(const QString &key)
{
    QAction *action = button(key);
    ASSERT_NE(action, nullptr) << "no toolbar button " << key.toStdString();
    auto *toolbar = qobject_cast<QToolBar *>(action->parent());
    ASSERT_NE(toolbar, nullptr);
    ASSERT_TRUE(toolbar->isVisible()) << key.toStdString() << " is on a hidden toolbar";
    ASSERT_TRUE(action->isEnabled()) << key.toStdString() << " is disabled";
    QTest::mouseClick(toolbar->widgetForAction(action), Qt::LeftButton);
    QCoreApplication::processEvents();
}

RichTextBox *ProgramTest::activeEditor()
{
    frmNotePad *document = activeDocument();
    return document ? document->RichTextBox1 : nullptr;
}

EditorSurface &ProgramTest::editor()
{
    return activeDocument()->editor();
}

QList<frmNotePad *> ProgramTest::openDocuments() const
{
    QList<frmNotePad *> open;
    DocumentTable &table = frame_->Documents();
    for (int slot = 1; slot <= table.count(); ++slot)
        if (!table.state(slot).Deleted && table.window(slot))
            open.append(table.window(slot));
    return open;
}

QStringList ProgramTest::captions() const
{
    QStringList all;
    for (frmNotePad *document : openDocuments())
        all.append(document->Caption());
    return all;
}

void ProgramTest::closeAll()
{
    for (frmNotePad *document : openDocuments())
        document->close();
}

frmNotePad *ProgramTest::open(const QString &path)
{
    choose(QStringLiteral("mnuFileOpen"), path);
    return activeDocument();
}

QString ProgramTest::onlyMessage() const
{
    QStringList texts;
    for (const ScriptedMessages::Shown &box : messages_->shown)
        texts.append(box.text);
    return texts.size() == 1 ? texts[0] : QStringLiteral("%1 messages: %2").arg(texts.size()).arg(texts.join(" | "));
}

void ProgramTest::expectStarted(const QString &program, const QString &file) const
{
    ASSERT_EQ(starter_->calls.size(), 1);
    EXPECT_EQ(starter_->calls[0].program, program);
    EXPECT_EQ(starter_->calls[0].arguments, QStringList{file});
}

QColor ProgramTest::colorAt(frmNotePad *document, int position)
{
    QTextCursor cursor(document->RichTextBox1->document());
    cursor.setPosition(position + 1);
    return cursor.charFormat().foreground().color();
}

void ProgramTest::type(const QString &text)
{
    RichTextBox *editor = activeEditor();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, text);
}

void ProgramTest::typeCharacter(const QString &character)
{
    QTest::sendKeyEvent(QTest::Click, activeEditor(), Qt::Key_unknown, character, Qt::NoModifier);
}

QString ProgramTest::writeFile(const QString &name, const QByteArray &bytes) const
{
    const QString path = temp_.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

QString ProgramTest::writeProgram(const QString &name) const
{
    QDir().mkpath(QFileInfo(tempPath(name)).absolutePath());
    const QString path = writeFile(name, "#!/bin/sh\n");
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
    return path;
}

QByteArray ProgramTest::readFile(const QString &path) const
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
