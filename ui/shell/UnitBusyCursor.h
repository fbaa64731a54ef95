#pragma once
// The hourglass for long operations, restored however they end.
#include <Qt>

// Sets the screen cursor and returns the previous one, so that callers restore it when done.
Qt::CursorShape SetBusyCursor(Qt::CursorShape cursor);

// Shows the hourglass for its lifetime, unless it is already shown, and then brings back the
// cursor that was there before.
class TBusyCursor {
public:
    TBusyCursor() : FPrevious(SetBusyCursor(Qt::WaitCursor)) {}
    ~TBusyCursor() { SetBusyCursor(FPrevious); }
    TBusyCursor(const TBusyCursor &) = delete;
    TBusyCursor &operator=(const TBusyCursor &) = delete;

private:
    Qt::CursorShape FPrevious;
};
