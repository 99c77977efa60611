#pragma once

// Names the program to Qt and the desktop: the settings' application name and the
// launcher entry that owns its windows. No display name is set, so every window's title
// reaches the desktop exactly as the program gives it; Qt would append the display name
// to each one (" — Tagsmith"), cutting short the narrow dialogs' captions.
void SetApplicationIdentity();
