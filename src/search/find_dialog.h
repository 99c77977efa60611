#pragma once

#include "search/search_dialog.h"

// The modeless Find dialog (frmFind): looks for the next occurrence, down or up, and stays
// open beside the documents.
class frmFind : public SearchDialog
{
    Q_OBJECT

public:
    frmFind(ProgramContext &program, SearchState &search);
};
