#include <windows.h>

#include "StartProgram.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const int exitCode = startProgram();
    exitApplication();
    return exitCode;
}
