#pragma once

#include <QCursor>
#include <QGuiApplication>

// Shows a pointer shape over the whole program for as long as it lives, so every way out
// of a step (an early return included) puts the pointer that was there before back.
class OverrideCursor
{
public:
    explicit OverrideCursor(Qt::CursorShape shape) { QGuiApplication::setOverrideCursor(shape); }
    ~OverrideCursor() { QGuiApplication::restoreOverrideCursor(); }
    OverrideCursor(const OverrideCursor &) = delete;
    OverrideCursor &operator=(const OverrideCursor &) = delete;
};

// The hourglass over a long step.
class WaitCursor : public OverrideCursor
{
public:
    WaitCursor() : OverrideCursor(Qt::WaitCursor) {}
};
