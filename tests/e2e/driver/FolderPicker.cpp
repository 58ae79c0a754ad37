#include "FolderPicker.h"

#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include "ProcessWindows.h"
#include "ProgramDriver.h"
#include "RemoteBuffer.h"
#include "Waiting.h"

namespace {

// Where the parts of a request sit in the buffer written into the program.
constexpr std::size_t PathOffset = 0;
constexpr std::size_t ItemOffset = 1024;
constexpr std::size_t ItemTextOffset = 2048;
constexpr std::size_t ItemTextSize = 1024;
constexpr std::size_t BufferSize = ItemTextOffset + ItemTextSize;

HWND waitForPicker(const ProgramDriver& program) {
    HWND picker = nullptr;
    waitFor(
        [&] {
            const HWND dialog = program.openDialog();
            picker = dialog && findDescendant(dialog, WC_TREEVIEWA) ? dialog : nullptr;
            return picker != nullptr;
        },
        "the folder picker");
    return picker;
}

// The text of the item selected in the tree; empty when there is none.
std::string selectedItemText(HWND tree, RemoteBuffer& buffer) {
    const auto item = reinterpret_cast<HTREEITEM>(sendToWindow(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!item) return "";
    TVITEMA request{};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    request.pszText = reinterpret_cast<char*>(buffer.address(ItemTextOffset));
    request.cchTextMax = ItemTextSize;
    buffer.write(&request, sizeof request, ItemOffset);
    if (!sendToWindow(tree, TVM_GETITEMA, 0, buffer.address(ItemOffset))) return "";
    char text[ItemTextSize] = {};
    buffer.read(text, sizeof text - 1, ItemTextOffset);
    return text;
}

}  // namespace

HWND selectInFolderPicker(ProgramDriver& program, const std::string& folder) {
    const HWND picker = waitForPicker(program);
    const HWND tree = findDescendant(picker, WC_TREEVIEWA);
    if (folder.size() >= ItemOffset) throw DriverError("path too long for the folder picker: " + folder);
    RemoteBuffer buffer(program.process(), BufferSize);
    buffer.write(folder.c_str(), folder.size() + 1, PathOffset);
    // The folder's own name is unique enough to tell that the tree shows it selected. A request
    // made while the picker is still filling its tree can be lost, so it is repeated until then.
    const std::string name = folder.substr(folder.rfind('\\') + 1);
    waitFor(
        [&] {
            sendToWindow(picker, BFFM_SETSELECTIONA, TRUE, buffer.address(PathOffset));
            return selectedItemText(tree, buffer) == name;
        },
        "the folder picker to select " + folder);
    return picker;
}

void pickFolder(ProgramDriver& program, const std::string& folder) {
    program.pressDialogButton(selectInFolderPicker(program, folder), IDOK);
}

void cancelFolderPicker(ProgramDriver& program) { program.pressDialogButton(waitForPicker(program), IDCANCEL); }
