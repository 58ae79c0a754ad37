#pragma once
// NameList: the new names, one per line of 编辑框2. It exists from start-up to exit and is
// replaced whole at every change of 编辑框2; nothing changes it in place.

#include "TextArray.h"

extern TextArray NameList;

// Makes NameList an empty one-dimensional array; runs before the window exists.
void createNameList();

// Releases NameList; registered as a clean-up for the program's end.
void releaseNameList();
