#pragma once
// Everything the workflow asks of the platform: the window's controls, the message box, the
// folder picker and the file system. The Windows program implements these with Win32 (src/platform/win32);
// the unit tests implement them in memory and on a temporary folder (tests/support).

#include <cstdint>
#include <variant>

#include "Controls.h"
#include "Text.h"

// --- Controls ---------------------------------------------------------------------------

// A property's value: a number (the disabled state) or a text (the text of an edit box; a
// read gives a new text, absent when the box is empty).
using PropertyValue = std::variant<std::int32_t, Text>;

PropertyValue readProperty(WindowNumber window, ControlNumber control, PropertyNumber property,
                           std::int32_t selector);

// Sets the property at once. Writing the text of an edit box fires its text-changed event
// exactly once before the write returns, also when the text does not change.
void writeProperty(WindowNumber window, ControlNumber control, PropertyNumber property,
                   std::int32_t selector, const PropertyValue& value);

// Appends text at the end of an edit box as typing there would (caret to the end, scrolled
// into view, not undoable); fires the text-changed event once before it returns.
void appendEditText(ControlNumber edit, TextRef text);

std::int32_t listBoxCount(ControlNumber listBox);
// The item at position (from 0); the empty text for a position outside the list.
Text listBoxItemText(ControlNumber listBox, std::int32_t position);
// Adds text as the new last item; gives its position, or -1 when the list cannot take it.
std::int32_t listBoxAddItem(ControlNumber listBox, TextRef text);
void listBoxClear(ControlNumber listBox);

// --- Dialogs ----------------------------------------------------------------------------

// A modal message box with the title "信息：", one OK button and no icon; returns when the
// user has closed it.
void showMessage(TextRef message);

// The shell's folder picker with the prompt; the chosen folder's path exactly as the shell
// gives it, or the empty text when the user cancels or the item has no file-system path.
Text chooseFolder(TextRef prompt);

// --- File system ------------------------------------------------------------------------

// An open directory search; 0 when none is open.
using SearchHandle = std::uintptr_t;

constexpr std::int32_t DirectoryAttribute = 16;

// With a pattern: closes a search still open in handle, starts a new one and gives the first
// entry whose attributes share a bit with attributeMask. With an absent or empty pattern:
// gives the next such entry of the open search. Gives the empty text when there is none
// (the search has then closed itself and handle is 0) or the search cannot start.
Text searchDirectory(TextRef pattern, std::int32_t attributeMask, SearchHandle& handle);

// Closes the search in handle, if one is open.
void closeDirectorySearch(SearchHandle& handle);

// Renames the file or folder at from to to; fails, changing nothing, when to exists or from
// does not. Gives whether it succeeded.
bool moveFile(TextRef from, TextRef to);
