// Appending to an edit box, as typing at its end would.
#include <windows.h>

#include <string>

#include "Platform.h"
#include "WindowToolkit.h"

void appendEditText(ControlNumber edit, TextRef text) {
    const HWND handle = controlHandle(MainWindowNumber, edit);
    const std::string bytes(text.view());  // zero-terminated for the control
    const LRESULT end = SendMessageA(handle, WM_GETTEXTLENGTH, 0, 0);
    SendMessageA(handle, EM_SETSEL, static_cast<WPARAM>(end), static_cast<LPARAM>(end));
    SendMessageA(handle, EM_SCROLLCARET, 0, 0);
    // The control's own EN_CHANGE fires the text-changed event, once.
    SendMessageA(handle, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(bytes.c_str()));
}
