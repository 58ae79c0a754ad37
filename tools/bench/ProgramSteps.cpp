#include "ProgramSteps.h"

#include <windows.h>

#include <psapi.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "FolderPicker.h"
#include "MessageBoxes.h"
#include "ProcessWindows.h"
#include "ProgramDriver.h"
#include "Stopwatch.h"
#include "Waiting.h"

namespace {

// Renaming 20,000 folders under Wine takes minutes, far beyond the patience the driver has for a
// test's step; this limit only keeps a hung program from stalling the benchmark for ever.
constexpr DWORD SlowStepTimeoutMs = 900000;

BOOL CALLBACK collectChild(HWND child, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(child);
    return TRUE;
}

// Whether the window or one of its controls still has a part to paint. The update region is the
// system's record, so another process may ask for it.
bool needsPainting(HWND window) {
    std::vector<HWND> windows{window};
    EnumChildWindows(window, collectChild, reinterpret_cast<LPARAM>(&windows));
    for (HWND each : windows) {
        if (GetUpdateRect(each, nullptr, FALSE)) return true;
    }
    return false;
}

// The driver's click returns once the handler has returned; what the handler changed reaches the
// screen only when the program's message loop paints it afterwards, and a user waits for that.
void waitUntilShown(const ProgramDriver& program) {
    waitFor([&program] { return !needsPainting(program.window()); }, "the program to paint its window",
            SlowStepTimeoutMs);
}

double megabytes(SIZE_T bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

PROCESS_MEMORY_COUNTERS memoryOf(const ProgramDriver& program) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(program.process(), &counters, sizeof counters)) {
        throw std::runtime_error("GetProcessMemoryInfo failed, error " + std::to_string(GetLastError()));
    }
    return counters;
}

void requireNoDialog(const ProgramDriver& program, const std::string& step) {
    if (messageBoxOpen(program)) throw std::runtime_error(step + " showed a message box");
    if (program.openDialog()) throw std::runtime_error(step + " left a dialog open");
}

}  // namespace

ProgramFigures timeProgram(const std::string& folder, std::size_t expectedFolders, const std::string& suffix) {
    ProgramFigures figures;
    ProgramDriver program;
    figures.startWorkingSetMb = megabytes(memoryOf(program).WorkingSetSize);

    // The picker is the user's time, not the program's: the clock starts at OK.
    program.click("按钮1");
    const HWND picker = selectInFolderPicker(program, folder);
    {
        const Stopwatch watch;
        program.pressDialogButton(picker, IDOK);
        waitUntilShown(program);
        figures.scanSeconds = watch.seconds();
    }
    requireNoDialog(program, "the scan");
    const LRESULT listed = sendToWindow(program.control("列表框1"), LB_GETCOUNT, 0, 0);
    if (listed != static_cast<LRESULT>(expectedFolders)) {
        throw std::runtime_error("the program listed " + std::to_string(listed) + " sub-folders instead of " +
                                 std::to_string(expectedFolders));
    }

    program.type("编辑框4", suffix);
    {
        const Stopwatch watch;
        program.click("按钮2", SlowStepTimeoutMs);
        waitUntilShown(program);
        figures.generateSeconds = watch.seconds();
    }
    requireNoDialog(program, "generating new names");
    if (!program.enabled("按钮3")) {
        throw std::runtime_error("the start button stayed disabled after generating new names");
    }

    {
        const Stopwatch watch;
        program.click("按钮3", SlowStepTimeoutMs);
        waitUntilShown(program);
        figures.renameSeconds = watch.seconds();
    }
    requireNoDialog(program, "the rename run");

    const PROCESS_MEMORY_COUNTERS memory = memoryOf(program);
    figures.peakWorkingSetMb = megabytes(memory.PeakWorkingSetSize);
    figures.peakPagefileMb = megabytes(memory.PeakPagefileUsage);

    const DWORD exitCode = program.close();
    if (exitCode != 0) throw std::runtime_error("the program exited with code " + std::to_string(exitCode));
    return figures;
}
