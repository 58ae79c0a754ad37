#pragma once
// Windows made from descriptions, their controls looked up by number, and the message loop.

#include <windows.h>

#include "WindowDescription.h"

// Makes a description known to loadWindow; a description that cannot be used is fatal.
void registerWindowDescription(const WindowDescription& description);

// Creates the window with the given number and its controls, hidden; fires its created event;
// shows it centred. A failure is fatal.
void loadWindow(WindowNumber number);

// Dispatches messages until the quit message, posted once the last window is gone.
void runMessageLoop();

// From here on no event reaches a handler; destroys what windows are left and forgets the
// descriptions.
void releaseWindows();

// The control's window handle; a window or control that does not exist is fatal.
HWND controlHandle(WindowNumber window, ControlNumber control);
const ControlDescription& controlDescription(WindowNumber window, ControlNumber control);

// Runs action with the control's own change notification held back, then fires the control's
// text-changed event once.
template <typename Action>
void changeTextFiringOnce(WindowNumber window, ControlNumber control, Action action);

// --- implementation details of the template above ------------------------------------------
void holdTextChanged(HWND control, bool hold);
void fireTextChanged(HWND control);

template <typename Action>
void changeTextFiringOnce(WindowNumber window, ControlNumber control, Action action) {
    const HWND handle = controlHandle(window, control);
    holdTextChanged(handle, true);
    action(handle);
    holdTextChanged(handle, false);
    fireTextChanged(handle);
}
