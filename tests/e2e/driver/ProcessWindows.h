#pragma once
// Looking at the windows of another process: which are its, and what they say.

#include <windows.h>

#include <string>
#include <vector>

// The visible top-level windows of the process, in z-order from the top.
std::vector<HWND> visibleTopLevelWindows(DWORD processId);

std::string className(HWND window);

// Sends a message to a window of another process and gives the answer; throws DriverError when
// none comes in time. The W form is for messages whose text Wine carries across as UTF-16 only.
LRESULT sendToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT sendToWindowW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The window's text as its own window procedure gives it (WM_GETTEXT), in code page 936.
std::string windowText(HWND window);

// The window's place relative to its parent's client area, with its size.
RECT placeInParent(HWND window);

// The first child of parent (at any depth) whose class is name, or nullptr.
HWND findDescendant(HWND parent, const std::string& name);
