#pragma once

#include "dialogs/dialog_services.h"

// The pickers run the frame's shared common dialog and leave the choice in the shared
// result strings. Each empties all nine strings first, so a cancelled picker leaves every
// one of them empty; a caller tests its own string for the empty text.

// Colour dialog starting on the last colour chosen: PickedColorValue and PickedColorCode.
void PickColorCode(DialogServices services);
// Colour dialog for the tag colour: PickedColorValue only.
void PickTagColor(DialogServices services);
// Font dialog with screen and printer fonts: PickedFontName.
void PickFontName(DialogServices services);
// Picture file: PickedImagePath and PickedImageName.
void PickImageFile(DialogServices services);
// Page file: PickedPageName.
void PickPageFile(DialogServices services);
// Program file: PickedProgramPath. Where programs carry no ".exe", every file is listed
// and a file that cannot be run is refused with a message.
void PickProgramFile(DialogServices services);
// Sound file: PickedSoundPath and PickedSoundName.
void PickSoundFile(DialogServices services);

// Tells the user that the chosen file cannot be used as a `kind` ("picture", "sound") and
// why, naming the file; the dialog then keeps what it showed before.
void ReportUnreadableFile(ProgramContext &program, const QString &path, const QString &kind, const QString &reason);
