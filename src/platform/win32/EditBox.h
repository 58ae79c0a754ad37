#pragma once
// The text of an edit box: read, written and appended to.

#include <windows.h>

#include "Text.h"

Text readEditText(HWND edit);

// Replaces the whole text; the text-changed event fires exactly once, after the write.
void writeEditText(HWND edit, const Text& text);

// Hands every appended text that an edit box does not show yet to the box (see PendingUpdates.h).
void showPendingAppends();
