#pragma once
// Windows made from descriptions, their controls looked up by number, and the message loop.

#include <windows.h>

#include <string>

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

// What the toolkit keeps for an edit box while the program changes its text.
struct EditBoxState {
    // The control's own change notification is ignored (the program fires one itself).
    bool holdChange = false;
    // The program itself is changing the text: a change notification keeps the copy below.
    bool programChange = false;
    // A copy of the box's text in the ANSI code page, valid until anything but the program
    // changes the box. Reading a long text back through the control after every appended line
    // would convert the whole text each time.
    std::string text;
    bool textValid = false;
    // Appended by the program but not yet handed to the control (see EditBox.cpp).
    std::string pendingAppend;
};

EditBoxState& editBoxState(HWND control);

// Runs action for every edit box of every window.
void forEachEditBox(void (*action)(HWND edit));

// Sends the control a change notification, which fires its text-changed event.
void fireTextChanged(HWND control);
