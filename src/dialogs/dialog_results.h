#pragma once

#include <QString>

// The strings through which the pickers hand back a choice. Each picker writes only its
// own; an empty string means nothing was chosen (or the user cancelled). A result stays
// good only until the next reset, so a caller copies it at once.
struct DialogResults
{
    QString PickedColorCode;   // six upper-case hex digits, red green blue, no "#"
    QString PickedColorValue;  // decimal colour number, red in the lowest byte
    QString PickedFontName;
    QString PickedImagePath;
    QString PickedImageName;   // without its folder
    QString PickedPageName;    // without its folder
    QString PickedProgramPath;
    QString PickedSoundPath;
    QString PickedSoundName;   // without its folder

    void ResetDialogResults();
};
