#pragma once

#include <QIcon>

// The program's own icon, drawn as a scalable picture: the frame's window icon, and
// through the frame that of every window it owns. The same drawing is installed for the
// desktop's launchers.
QIcon applicationIcon();
