#include "ProgramDriver.h"

#include <set>

#include "Controls.h"
#include "ProcessWindows.h"
#include "Waiting.h"

namespace {

constexpr char TitleStart[] = "文件夹批量更名";
constexpr DWORD StartTimeoutMs = 60000;  // the first program of a fresh wineserver is slow to start

// Clicks whose handling the program has not yet reported. Kept apart from the drivers, since a
// report can still arrive after the driver that clicked has gone.
std::set<ULONG_PTR> clicksPending;
ULONG_PTR lastClickNumber = 0;

void CALLBACK clickHandled(HWND, UINT, ULONG_PTR click, LRESULT) { clicksPending.erase(click); }

std::string folderOf(const std::string& path) { return path.substr(0, path.rfind('\\')); }

// The bytes of one line (from 0) of an edit box's text: from its first byte to its line break, or
// to the end of the text for a last line without one.
struct LineBytes {
    std::size_t start, end;
    bool hasBreak;
};

LineBytes findLine(const std::string& text, std::size_t line) {
    std::size_t start = 0;
    for (std::size_t passed = 0; passed < line; ++passed) {
        const std::size_t lineBreak = text.find("\r\n", start);
        if (lineBreak == std::string::npos) throw DriverError("the text has no line " + std::to_string(line));
        start = lineBreak + 2;
    }
    const std::size_t lineBreak = text.find("\r\n", start);
    if (lineBreak == std::string::npos) return {start, text.size(), false};
    return {start, lineBreak, true};
}

// An edit box counts positions in the UTF-16 characters it keeps its text in (Wine's does for
// every window), where the driver has the text as code page 936 bytes.
WPARAM characterPosition(const std::string& text, std::size_t byteOffset) {
    if (byteOffset == 0) return 0;
    return static_cast<WPARAM>(MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(byteOffset), nullptr, 0));
}

// Selects the bytes [from, to) of the edit box's text, which reads current, and types text over them.
void typeOver(HWND edit, const std::string& current, std::size_t from, std::size_t to, const std::string& text) {
    sendToWindow(edit, EM_SETSEL, characterPosition(current, from), characterPosition(current, to));
    sendToWindow(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

ProgramDriver::ProgramDriver(const std::string& workingDirectory) {
    const std::string path = programPath();
    std::string commandLine = "\"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup, &process_)) {
        throw DriverError("could not start " + path + ", error " + std::to_string(GetLastError()));
    }
    try {
        waitForMainWindow();
    } catch (...) {
        endProcess();
        throw;
    }
}

ProgramDriver::~ProgramDriver() { endProcess(); }

void ProgramDriver::endProcess() {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, StepTimeoutMs);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

std::string ProgramDriver::programPath() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    return folderOf(self) + "\\FolderRenamer.exe";
}

void ProgramDriver::waitForMainWindow() {
    const auto shown = [this] {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0) {
            throw DriverError("the program ended before its window was shown");
        }
        for (HWND candidate : visibleTopLevelWindows(process_.dwProcessId)) {
            char title[256] = {};
            GetWindowTextA(candidate, title, sizeof title);
            if (std::string(title).rfind(TitleStart, 0) == 0) window_ = candidate;
        }
        return window_ != nullptr;
    };
    waitFor(shown, std::string("a window titled ") + TitleStart + "...", StartTimeoutMs);
    // Answered only from the message loop: the start-up, controls and all, has finished.
    sendToWindow(window_, WM_NULL, 0, 0);
    controls_ = findControls(window_);
    std::string missing;
    for (const ControlPlace& place : mainWindowControls()) {
        if (!controls_.count(place.name)) missing += std::string(" ") + place.name;
    }
    if (!missing.empty()) throw DriverError("no control at the place of" + missing);
}

DWORD ProgramDriver::threadId() const { return GetWindowThreadProcessId(window_, nullptr); }

HWND ProgramDriver::control(const std::string& name) const {
    const auto found = controls_.find(name);
    if (found == controls_.end()) throw DriverError("the main window has no control named " + name);
    return found->second;
}

std::string ProgramDriver::nameOf(HWND control) const {
    for (const auto& [name, handle] : controls_) {
        if (handle == control) return name;
    }
    return "";
}

std::string ProgramDriver::text(const std::string& name) const { return windowText(control(name)); }

bool ProgramDriver::enabled(const std::string& name) const { return IsWindowEnabled(control(name)) != FALSE; }

std::vector<std::string> ProgramDriver::items(const std::string& name) const {
    const HWND list = control(name);
    const LRESULT count = sendToWindow(list, LB_GETCOUNT, 0, 0);
    std::vector<std::string> result;
    for (LRESULT i = 0; i < count; ++i) {
        // Wine hands LB_GETTEXT across processes as UTF-16 whatever the sender asked for, so ask
        // for that and convert here.
        const LRESULT length = sendToWindowW(list, LB_GETTEXTLEN, i, 0);
        if (length == LB_ERR) throw DriverError(name + " has no item " + std::to_string(i));
        std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
        const LRESULT copied = sendToWindowW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide.data()));
        if (copied == LB_ERR) throw DriverError(name + " has no item " + std::to_string(i));
        std::string item(2 * copied, '\0');
        const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(copied), item.data(),
                                              static_cast<int>(item.size()), nullptr, nullptr);
        item.resize(bytes);
        result.push_back(item);
    }
    return result;
}

void ProgramDriver::requireUsable(HWND control) const {
    // A user can reach neither a disabled control nor the window while a dialog is open.
    if (!IsWindowEnabled(control) || !IsWindowEnabled(window_)) {
        throw DriverError("control " + nameOf(control) + " cannot be used now: it or its window is disabled");
    }
}

void ProgramDriver::type(const std::string& name, const std::string& text) {
    const HWND edit = control(name);
    requireUsable(edit);
    // A position past the end puts the caret at the end.
    sendToWindow(edit, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
    sendToWindow(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void ProgramDriver::replaceAll(const std::string& name, const std::string& text) {
    const HWND edit = control(name);
    requireUsable(edit);
    sendToWindow(edit, EM_SETSEL, 0, -1);
    sendToWindow(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void ProgramDriver::typeOverLine(const std::string& name, std::size_t line, const std::string& text) {
    const HWND edit = control(name);
    requireUsable(edit);
    const std::string current = windowText(edit);
    const LineBytes bytes = findLine(current, line);
    typeOver(edit, current, bytes.start, bytes.end, text);
}

void ProgramDriver::deleteLine(const std::string& name, std::size_t line) {
    const HWND edit = control(name);
    requireUsable(edit);
    const std::string current = windowText(edit);
    const LineBytes bytes = findLine(current, line);
    typeOver(edit, current, bytes.start, bytes.hasBreak ? bytes.end + 2 : bytes.end, "");
}

bool ProgramDriver::clickPending() const { return clicksPending.count(lastClick_) != 0; }

void ProgramDriver::click(const std::string& name, DWORD timeoutMs) {
    const HWND button = control(name);
    requireUsable(button);
    if (clickPending()) throw DriverError("clicked " + name + " while an earlier click was still being handled");
    // Sent rather than posted, so that the answer tells exactly when the program has handled the
    // click; sent without waiting, so that the driver can answer a dialog the click opens.
    lastClick_ = ++lastClickNumber;
    clicksPending.insert(lastClick_);
    if (!SendMessageCallbackA(button, BM_CLICK, 0, 0, clickHandled, lastClick_)) {
        clicksPending.erase(lastClick_);
        throw DriverError("could not click " + name);
    }
    waitForUser(timeoutMs);
}

void ProgramDriver::waitForUser(DWORD timeoutMs) {
    waitFor([this] { return !clickPending() || openDialog() != nullptr; },
            "the program to handle the click or show a dialog", timeoutMs);
}

HWND ProgramDriver::openDialog() const {
    for (HWND candidate : visibleTopLevelWindows(process_.dwProcessId)) {
        if (className(candidate) == "#32770") return candidate;
    }
    return nullptr;
}

void ProgramDriver::pressDialogButton(HWND dialog, int buttonId) {
    const HWND button = GetDlgItem(dialog, buttonId);
    if (!button) throw DriverError("the dialog has no button " + std::to_string(buttonId));
    // The dialog going away shows that the press was handled.
    PostMessageA(button, BM_CLICK, 0, 0);
    waitFor([dialog] { return !IsWindow(dialog); }, "the dialog to close");
    waitForUser();
}

DWORD ProgramDriver::close() {
    PostMessageA(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, StepTimeoutMs) != WAIT_OBJECT_0) {
        throw DriverError("the program did not end after its window was closed");
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process_.hProcess, &exitCode);
    return exitCode;
}
