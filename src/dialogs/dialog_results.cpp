#include "dialogs/dialog_results.h"

void DialogResults::ResetDialogResults()
{
    PickedColorCode.clear();
    PickedColorValue.clear();
    PickedFontName.clear();
    PickedImagePath.clear();
    PickedImageName.clear();
    PickedPageName.clear();
    PickedProgramPath.clear();
    PickedSoundPath.clear();
    PickedSoundName.clear();
}
