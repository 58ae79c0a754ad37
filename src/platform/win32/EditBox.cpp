// The text of an edit box.
//
// Generating names appends one line at a time, and after every line the names handler reads
// the whole text back. Through the control, both grow with the length of the text: each
// append re-lays and scrolls the box and each read converts the whole text, so thousands of
// lines would take minutes. The program therefore keeps its own copy of a multi-line box's text
// and serves reads from it, and the lines appended while a handler runs reach the control in
// one piece when the handler ends (or a dialog opens). The text-changed event still fires once
// per append, and every read still gives the box's whole text as it stands after that append.
// Anything else that changes the box (the user typing, pasting, undoing) drops the copy.
#include "EditBox.h"

#include <string>

#include "Platform.h"
#include "WindowToolkit.h"

namespace {

// Whether the control gives back these bytes unchanged. It keeps its text as UTF-16, so bytes
// that are no valid text of the code page (a lone lead byte) would come back altered.
bool survivesTheControl(std::string_view bytes) {
    bool ascii = true;
    for (char c : bytes) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) return true;
    const int size = static_cast<int>(bytes.size());
    const int wideLength = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (wideLength <= 0) return false;
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), wideLength);
    const int back = WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string again(static_cast<std::size_t>(back > 0 ? back : 0), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, again.data(), back, nullptr, nullptr);
    return again == bytes;
}

Text asText(const std::string& bytes) { return bytes.empty() ? Text() : Text(bytes); }

// Only a multi-line box keeps every byte it is given (a one-line box may cut a line break), and
// only the multi-line box is read after every change.
bool keepsACopy(HWND edit) { return (GetWindowLongA(edit, GWL_STYLE) & ES_MULTILINE) != 0; }

// Appends as typing at the end would: caret to the end, scrolled into view, text inserted
// there (not undoable). The control's own change notification is held back or let through.
void insertAtEnd(HWND edit, const std::string& bytes, bool notify) {
    EditBoxState& state = editBoxState(edit);
    // A position past the end puts the caret at the end.
    SendMessageA(edit, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
    state.holdChange = !notify;
    state.programChange = true;
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(bytes.c_str()));
    state.programChange = false;
    state.holdChange = false;
}

void showPendingAppend(HWND edit) {
    EditBoxState& state = editBoxState(edit);
    if (state.pendingAppend.empty()) return;
    std::string pending;
    pending.swap(state.pendingAppend);
    insertAtEnd(edit, pending, false);  // the text-changed events have fired, one per append
}

}  // namespace

Text readEditText(HWND edit) {
    EditBoxState& state = editBoxState(edit);
    if (state.textValid) return asText(state.text);

    const int length = GetWindowTextLengthA(edit);
    std::string bytes(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    const int copied = length > 0 ? GetWindowTextA(edit, bytes.data(), length + 1) : 0;
    bytes.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    if (keepsACopy(edit)) {
        state.text = bytes;
        state.textValid = true;
    }
    return asText(bytes);
}

void writeEditText(HWND edit, const Text& text) {
    EditBoxState& state = editBoxState(edit);
    state.pendingAppend.clear();  // the new text replaces them
    // Held back: a one-line box notifies for a new text and a multi-line box does not, but
    // every write must fire the text-changed event exactly once.
    state.holdChange = true;
    SetWindowTextA(edit, text.c_str());
    state.holdChange = false;
    state.textValid = keepsACopy(edit) && survivesTheControl(text.view());
    if (state.textValid) state.text.assign(text.view());
    fireTextChanged(edit);
}

void appendEditText(ControlNumber control, TextRef text) {
    const HWND edit = controlHandle(MainWindowNumber, control);
    EditBoxState& state = editBoxState(edit);
    const std::string bytes(text.view());
    if (state.textValid && survivesTheControl(bytes)) {
        state.text += bytes;
        state.pendingAppend += bytes;
        fireTextChanged(edit);
        return;
    }
    // No copy to serve reads from: the control takes the text now and notifies by itself.
    showPendingAppend(edit);
    state.textValid = false;
    insertAtEnd(edit, bytes, true);
}

void showPendingAppends() { forEachEditBox(showPendingAppend); }
