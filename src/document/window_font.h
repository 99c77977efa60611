#pragma once

#include <QString>

class RichTextBox;
class SettingsStore;

// The window font as the settings store keeps it, section "Font": seven texts. Switches
// are "True" or "False", the size a decimal point size, the colour a decimal colour
// number; an empty text means "not chosen".
struct FontSettings
{
    QString FontName;
    QString FontSize;
    QString FontBold;
    QString FontItalic;
    QString FontStrikethru;
    QString FontUnderline;
    QString ForeColor;
};

// Reads the seven keys; a key that is missing gives the matching value of `defaults`.
FontSettings ReadFontSettings(const SettingsStore &settings, const FontSettings &defaults);
void StoreFontSettings(SettingsStore &settings, const FontSettings &font);

// Makes the stored font the editor's own, so the text a new window loads and the text
// typed into it show in it. Empty values leave the editor's format as it is; a switch
// other than "True", "False" or empty leaves its attribute as it is.
void ApplyStoredFont(RichTextBox &editor, const FontSettings &font);
