// The fatal error report, and running out of memory as one of its causes.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "FatalError.h"

void reportFatalError(TextRef what) {
    const std::string text(what.view());
    MessageBoxA(nullptr, text.c_str(), "文件夹批量更名 - 严重错误", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    // Ends at once: the clean-ups registered for a normal end do not run.
    ExitProcess(static_cast<UINT>(-1));
}

// Every allocation of the program comes here, so that exhaustion is reported with the size
// asked for instead of ending the program in an unhandled exception.
void* operator new(std::size_t size) {
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    char text[96];
    std::snprintf(text, sizeof text, "内存不足: 无法分配 %llu 字节", static_cast<unsigned long long>(size));
    reportFatalError(text);
}

void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
