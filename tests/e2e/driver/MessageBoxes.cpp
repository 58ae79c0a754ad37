#include "MessageBoxes.h"

#include "ProcessWindows.h"
#include "ProgramDriver.h"
#include "Waiting.h"

namespace {

constexpr char Title[] = "信息：";
constexpr int TextId = 0xFFFF;  // the static control that holds a message box's text

HWND messageBox(const ProgramDriver& program) {
    const HWND dialog = program.openDialog();
    if (!dialog) return nullptr;
    char title[64] = {};
    GetWindowTextA(dialog, title, sizeof title);
    return std::string(title) == Title ? dialog : nullptr;
}

}  // namespace

bool messageBoxOpen(const ProgramDriver& program) { return messageBox(program) != nullptr; }

std::string acceptMessageBox(ProgramDriver& program) {
    waitFor([&program] { return messageBox(program) != nullptr; }, std::string("a message box titled ") + Title);
    const HWND box = messageBox(program);
    const HWND text = GetDlgItem(box, TextId);
    if (!text) throw DriverError("the message box has no text");
    const std::string message = windowText(text);
    program.pressDialogButton(box, IDOK);
    return message;
}

std::string openDialogTitle(const ProgramDriver& program) {
    const HWND dialog = program.openDialog();
    if (!dialog) return "";
    char title[256] = {};
    GetWindowTextA(dialog, title, sizeof title);
    return title[0] ? title : "(a dialog without a title)";
}
