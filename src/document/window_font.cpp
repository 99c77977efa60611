#include "document/window_font.h"

#include "document/line_number_gutter.h"
#include "document/notepad_window.h"
#include "document/program.h"
#include "platform/color_number.h"
#include "platform/common_dialog.h"
#include "platform/editor_surface.h"
#include "platform/rich_text_box.h"
#include "platform/settings_store.h"

#include <QTextCharFormat>

#include <array>
#include <optional>
#include <utility>

namespace {

const QString kSection = QStringLiteral("Font");
// The largest size a font dialog offers; far larger ones draw no text the editor can show.
constexpr double kMaxPointSize = 1638;

// The keys in the order they are read and stored.
const std::array<std::pair<QString, QString FontSettings::*>, 7> &fontKeys()
{
    static const std::array<std::pair<QString, QString FontSettings::*>, 7> keys = {{
        {QStringLiteral("FontName"), &FontSettings::FontName},
        {QStringLiteral("FontSize"), &FontSettings::FontSize},
        {QStringLiteral("FontBold"), &FontSettings::FontBold},
        {QStringLiteral("FontItalic"), &FontSettings::FontItalic},
        {QStringLiteral("FontStrikethru"), &FontSettings::FontStrikethru},
        {QStringLiteral("FontUnderline"), &FontSettings::FontUnderline},
        {QStringLiteral("ForeColor"), &FontSettings::ForeColor},
    }};
    return keys;
}

QString switchText(bool on)
{
    return on ? QStringLiteral("True") : QStringLiteral("False");
}

// "True" is on, "False" and the empty text are off; anything else is no answer.
std::optional<bool> storedSwitch(const QString &value)
{
    if (value == QLatin1String("True"))
        return true;
    if (value.isEmpty() || value == QLatin1String("False"))
        return false;
    return std::nullopt;
}

std::optional<double> storedSize(const QString &value)
{
    const std::optional<double> size = storedNumber(value);
    return size && *size > 0 && *size <= kMaxPointSize ? size : std::nullopt;
}

std::optional<QColor> storedColor(const QString &value)
{
    bool ok = false;
    const uint number = value.toUInt(&ok);
    return ok ? std::optional<QColor>(fromColorNumber(number)) : std::nullopt;
}

QColor caretColor(const RichTextBox &editor)
{
    const QBrush brush = editor.currentCharFormat().foreground();
    return brush.style() == Qt::NoBrush ? editor.palette().color(QPalette::Text) : brush.color();
}

QFont caretFont(const RichTextBox &editor)
{
    return editor.currentCharFormat().font().resolve(editor.document()->defaultFont());
}

// The seven texts of a format the editor shows over its own font.
FontSettings fontSettingsOf(const QTextCharFormat &format, const QFont &editorFont)
{
    const QFont font = format.font().resolve(editorFont);
    FontSettings settings;
    settings.FontName = font.family();
    settings.FontSize = QString::number(font.pointSizeF());
    settings.FontBold = switchText(font.bold());
    settings.FontItalic = switchText(font.italic());
    settings.FontStrikethru = switchText(font.strikeOut());
    settings.FontUnderline = switchText(font.underline());
    settings.ForeColor = QString::number(toColorNumber(format.foreground().color()));
    return settings;
}

} // namespace

FontSettings ReadFontSettings(const SettingsStore &settings, const FontSettings &defaults)
{
    FontSettings font;
    for (const auto &[key, member] : fontKeys())
        font.*member = settings.read(kSection, key, defaults.*member);
    return font;
}

void StoreFontSettings(SettingsStore &settings, const FontSettings &font)
{
    for (const auto &[key, member] : fontKeys())
        settings.write(kSection, key, font.*member);
}

void ApplyStoredFont(RichTextBox &editor, const FontSettings &stored)
{
    // The editor's own font and text colour, not a character format: loading plain text
    // and typing both start from them.
    QFont font = editor.font();
    if (!stored.FontName.isEmpty())
        font.setFamily(stored.FontName);
    if (const auto size = storedSize(stored.FontSize))
        font.setPointSizeF(*size);
    if (const auto on = storedSwitch(stored.FontBold))
        font.setBold(*on);
    if (const auto on = storedSwitch(stored.FontItalic))
        font.setItalic(*on);
    if (const auto on = storedSwitch(stored.FontStrikethru))
        font.setStrikeOut(*on);
    if (const auto on = storedSwitch(stored.FontUnderline))
        font.setUnderline(*on);
    editor.setFont(font);
    if (const auto color = storedColor(stored.ForeColor)) {
        QPalette palette = editor.palette();
        palette.setColor(QPalette::Text, *color);
        editor.setPalette(palette);
    }
}

void frmNotePad::LoadFontSettings()
{
    loadedFont_ = ReadFontSettings(program_.settings(), currentFont_);
}

void frmNotePad::mnuOptionsWindowFont_Click()
{
    CommonDialog1.CancelError = true;
    LoadFontSettings();

    // Where nothing is stored, the dialog starts on what the editor shows at the caret.
    const QFont shown = caretFont(*RichTextBox1);
    CommonDialog1.FontName = loadedFont_.FontName.isEmpty() ? shown.family() : loadedFont_.FontName;
    CommonDialog1.FontSize = storedSize(loadedFont_.FontSize).value_or(shown.pointSizeF());
    CommonDialog1.FontBold = loadedFont_.FontBold.isEmpty() ? shown.bold() : loadedFont_.FontBold == QLatin1String("True");
    CommonDialog1.FontItalic = loadedFont_.FontItalic == QLatin1String("True");
    CommonDialog1.FontStrikethru = loadedFont_.FontStrikethru == QLatin1String("True");
    CommonDialog1.FontUnderline = loadedFont_.FontUnderline == QLatin1String("True");
    CommonDialog1.Color = toColorNumber(storedColor(loadedFont_.ForeColor).value_or(caretColor(*RichTextBox1)));
    CommonDialog1.Flags = cdl::CFBoth | cdl::CFEffects;
    CommonDialog1.DialogTitle = QStringLiteral("Window Font");
    if (!CommonDialog1.ShowFont())
        return;

    QTextCharFormat format;
    format.setFontFamilies({CommonDialog1.FontName});
    if (CommonDialog1.FontSize > 0)
        format.setFontPointSize(CommonDialog1.FontSize);
    format.setFontWeight(CommonDialog1.FontBold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(CommonDialog1.FontItalic);
    format.setFontStrikeOut(CommonDialog1.FontStrikethru);
    format.setFontUnderline(CommonDialog1.FontUnderline);
    format.setForeground(fromColorNumber(CommonDialog1.Color));
    editor().MergeSelFormat(format);
    if (LineNumberGutter *gutter = GutterOf(this))
        gutter->FollowFont(format.font().resolve(RichTextBox1->document()->defaultFont()));

    // The whole selection, or the text typed next, now has this format. The caret's own
    // format would be the wrong one: it is the character before the caret, outside a
    // selection made right to left, or past one that ends at a line break.
    currentFont_ = fontSettingsOf(format, RichTextBox1->document()->defaultFont());
    StoreFontSettings(program_.settings(), currentFont_);
}
