#pragma once
// One run of FolderRenamer.exe, driven from this process as a user would drive it: it starts the
// program, finds its window and controls, types, clicks, reads what is shown and closes it. A run
// still going when the driver goes away is ended, so a failing test leaves nothing behind.
// Steps the program does not answer throw DriverError.

#include <windows.h>

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "Waiting.h"

class ProgramDriver {
public:
    // Starts the program (next to this test exe) in workingDirectory, or in this process's
    // working directory when empty, and waits until its main window is shown with all its controls.
    explicit ProgramDriver(const std::string& workingDirectory = "");
    ~ProgramDriver();
    ProgramDriver(const ProgramDriver&) = delete;
    ProgramDriver& operator=(const ProgramDriver&) = delete;

    // The path of FolderRenamer.exe.
    static std::string programPath();

    HWND window() const { return window_; }
    HANDLE process() const { return process_.hProcess; }
    DWORD threadId() const;

    // The control of the main window with the given name (编辑框1, 按钮3, ...).
    HWND control(const std::string& name) const;
    // The name of one of the main window's controls; empty for any other window.
    std::string nameOf(HWND control) const;

    std::string text(const std::string& name) const;
    bool enabled(const std::string& name) const;
    // The items of a list box, in their order, in code page 936.
    std::vector<std::string> items(const std::string& name) const;

    // Types text at the end of an edit box, as the keyboard would after Ctrl+End.
    void type(const std::string& name, const std::string& text);
    // Selects everything in an edit box and types text over it ("" deletes it all).
    void replaceAll(const std::string& name, const std::string& text);
    // Selects one line (from 0) of a multi-line edit box, without its line break, and types text
    // over it ("" leaves the line empty).
    void typeOverLine(const std::string& name, std::size_t line, const std::string& text);
    // Selects one line (from 0) of a multi-line edit box with its line break and deletes both.
    void deleteLine(const std::string& name, std::size_t line);

    // Clicks a button; returns once the program has handled the click or shows a dialog (a
    // message box or the folder picker) that waits for the user. A click that takes longer than
    // timeoutMs throws DriverError; the benchmark allows more than a step of a test needs.
    void click(const std::string& name, DWORD timeoutMs = StepTimeoutMs);
    // Waits until the last click has been handled or a dialog waits for the user.
    void waitForUser(DWORD timeoutMs = StepTimeoutMs);

    // The program's dialog (message box or folder picker) that is open now, or nullptr.
    HWND openDialog() const;
    // Clicks a button of an open dialog, waits for the dialog to go, then waits for the user.
    void pressDialogButton(HWND dialog, int buttonId);

    // Closes the main window as its close button does; gives the program's exit code.
    DWORD close();

private:
    void waitForMainWindow();
    void endProcess();
    void requireUsable(HWND control) const;
    bool clickPending() const;

    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
    std::map<std::string, HWND> controls_;
    ULONG_PTR lastClick_ = 0;  // 0: none yet
};
