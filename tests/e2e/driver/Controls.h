#pragma once
// The sixteen controls of the main window, named as the program's users and developers name them
// and recognised by where they are: their place in the window's client area and their size.

#include <windows.h>

#include <map>
#include <string>
#include <vector>

struct ControlPlace {
    const char* name;
    int left, top, width, height;
};

// Every control of the main window, in no particular order.
const std::vector<ControlPlace>& mainWindowControls();

// The children of window that sit exactly at one of the places, by name; places with no child
// there are missing from the result.
std::map<std::string, HWND> findControls(HWND window);
