#pragma once

#include <QGuiApplication>

// Shows the hourglass for as long as it lives, so every way out of a long step (an early
// return included) puts the normal pointer back.
class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};
