#include "StartProgram.h"

#include <windows.h>
#include <ole2.h>

#include <string>

#include "ExitCleanups.h"
#include "MainWindow.h"
#include "NameList.h"
#include "WindowToolkit.h"

void initApplication() {
    OleInitialize(nullptr);

    // The folder of the program file becomes the working directory, wherever it was started:
    // a cancelled folder pick then lists the root of the drive that holds the program.
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    const std::size_t lastBackslash = folder.rfind('\\');
    if (lastBackslash != std::string::npos) {
        folder.resize(lastBackslash);
        SetCurrentDirectoryA(folder.c_str());
    }

    registerWindowDescription(MainWindow);
}

int startProgram() {
    initApplication();
    createNameList();
    registerExitCleanup(releaseNameList);
    loadWindow(MainWindowNumber);
    runMessageLoop();
    return 0;
}

void exitApplication() {
    releaseWindows();
    runExitCleanups();
    OleUninitialize();
}
