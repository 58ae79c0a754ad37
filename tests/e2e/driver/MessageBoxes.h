#pragma once
// The program's message boxes: titled "信息：", one line of text, one OK button.

#include <string>

class ProgramDriver;

// Whether one of the program's message boxes is open now.
bool messageBoxOpen(const ProgramDriver& program);

// Waits for the program's message box, reads its text and presses OK; gives the text.
std::string acceptMessageBox(ProgramDriver& program);

// The title of whatever dialog the program has open now (one of its message boxes, its report of
// a fatal error, the folder picker); empty when none is, as after a step that went through.
std::string openDialogTitle(const ProgramDriver& program);
