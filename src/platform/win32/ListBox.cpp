#include "ListBox.h"

#include <windows.h>

#include <set>
#include <string>

#include "Platform.h"
#include "WindowToolkit.h"

namespace {

std::set<HWND> heldListBoxes;

HWND listBox(ControlNumber control) { return controlHandle(MainWindowNumber, control); }

// Drawn again by redrawHeldListBoxes when the handler ends or a dialog opens.
void holdDrawing(HWND handle) {
    if (heldListBoxes.insert(handle).second) SendMessageA(handle, WM_SETREDRAW, FALSE, 0);
}

}  // namespace

void redrawHeldListBoxes() {
    for (HWND handle : heldListBoxes) {
        if (!IsWindow(handle)) continue;
        SendMessageA(handle, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(handle, nullptr, TRUE);
    }
    heldListBoxes.clear();
}

std::int32_t listBoxCount(ControlNumber control) {
    const LRESULT count = SendMessageA(listBox(control), LB_GETCOUNT, 0, 0);
    return count == LB_ERR ? 0 : static_cast<std::int32_t>(count);
}

Text listBoxItemText(ControlNumber control, std::int32_t position) {
    const HWND handle = listBox(control);
    if (position < 0 || position >= listBoxCount(control)) return Text();
    const LRESULT length = SendMessageA(handle, LB_GETTEXTLEN, static_cast<WPARAM>(position), 0);
    if (length == LB_ERR || length <= 0) return Text();
    std::string bytes(static_cast<std::size_t>(length), '\0');
    const LRESULT copied =
        SendMessageA(handle, LB_GETTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(bytes.data()));
    if (copied == LB_ERR || copied <= 0) return Text();
    bytes.resize(static_cast<std::size_t>(copied));
    return Text(std::move(bytes));
}

std::int32_t listBoxAddItem(ControlNumber control, TextRef text) {
    const HWND handle = listBox(control);
    holdDrawing(handle);
    const std::string bytes(text.view());
    const LRESULT position = SendMessageA(handle, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(bytes.c_str()));
    if (position == LB_ERR || position == LB_ERRSPACE) return -1;
    SendMessageA(handle, LB_SETITEMDATA, static_cast<WPARAM>(position), 0);
    return static_cast<std::int32_t>(position);
}

void listBoxClear(ControlNumber control) { SendMessageA(listBox(control), LB_RESETCONTENT, 0, 0); }
