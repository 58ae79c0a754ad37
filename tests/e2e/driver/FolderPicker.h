#pragma once
// The folder picker the program opens for 按钮1: a dialog with a folder tree, OK and Cancel.

#include <windows.h>

#include <string>

class ProgramDriver;

// Waits for the picker and selects folder (a full path) in its tree; gives the picker, still
// open, for the caller to press one of its buttons.
HWND selectInFolderPicker(ProgramDriver& program, const std::string& folder);

// Waits for the picker, selects folder (a full path) in its tree, presses OK and waits for the
// program.
void pickFolder(ProgramDriver& program, const std::string& folder);

// Waits for the picker, presses Cancel and waits for the program.
void cancelFolderPicker(ProgramDriver& program);
