#pragma once

class frmMDI;

// Tells the frame's dialog registry how to create each modeless dialog the program has.
void registerDialogs(frmMDI &frame);
