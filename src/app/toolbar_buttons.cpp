#include "app/toolbar_buttons.h"

namespace {

ToolbarButton separator()
{
    return {};
}

ToolbarButton button(const char *key, const char *tooltip, const char *themeIcon, const char *image,
                     const char *form = "")
{
    return {QString::fromLatin1(key), QString::fromLatin1(tooltip), QString::fromLatin1(themeIcon),
            QString::fromLatin1(image), QString::fromLatin1(form)};
}

}  // namespace

const QList<ToolbarButton> &StandardButtons()
{
    static const QList<ToolbarButton> buttons = {
        separator(),
        button("New", "Create new file", "document-new", "new"),
        button("Open", "Open existing file", "document-open", "open"),
        button("Print", "Print file", "document-print", "print"),
        button("Save", "Save file", "document-save", "save"),
        separator(),
        button("Cut", "Cut", "edit-cut", "cut"),
        button("Copy", "Copy", "edit-copy", "copy"),
        button("Paste", "Paste", "edit-paste", "paste"),
        button("Find", "Find", "edit-find-replace", "find", "frmReplace"),
    };
    return buttons;
}

const QList<ToolbarButton> &FormButtons()
{
    static const QList<ToolbarButton> buttons = {
        separator(),
        button("Body", "Insert body parameters", "", "body", "frmBody"),
        button("Characters", "Insert special characters", "accessories-character-map", "characters",
               "frmCharacterSet"),
        button("Font", "Choose font style and color", "preferences-desktop-font", "font", "frmFont"),
        button("Frames", "Make frames", "", "frames", "frmFrames"),
        button("Hex", "Get hexadecimal color value", "", "hex", "frmRGB"),
        button("Image", "Insert image", "insert-image", "image", "frmImage"),
        button("Links", "Insert hypertext link", "insert-link", "links", "frmLinks"),
        button("Lists", "Insert list", "", "lists", "frmLists"),
        button("Rules", "Insert rule", "", "rules", "frmRules"),
        button("Sound", "Insert sound", "audio-x-generic", "sound", "frmSound"),
        button("Tables", "Insert table", "", "tables", "frmTables"),
        button("View", "View in default browser", "web-browser", "view"),
    };
    return buttons;
}

const QList<ToolbarButton> &SpecialButtons()
{
    static const QList<ToolbarButton> buttons = {
        separator(),
        button("Paragraph", "Paragraph", "", "paragraph"),
        button("Break", "Break", "", "break"),
        separator(),
        button("Bold", "Bold", "format-text-bold", "bold"),
        button("Italic", "Italic", "format-text-italic", "italic"),
        button("Underline", "Underline", "format-text-underline", "underline"),
        separator(),
        button("Center", "Center", "format-justify-center", "center"),
        separator(),
        button("HeadOne", "Head One", "", "head_one"),
        button("HeadTwo", "Head Two", "", "head_two"),
        button("HeadThree", "Head Three", "", "head_three"),
        button("HeadFour", "Head Four", "", "head_four"),
        button("HeadFive", "Head Five", "", "head_five"),
        button("HeadSix", "Head Six", "", "head_six"),
    };
    return buttons;
}
