#include <windows.h>

#include <string>

#include "Platform.h"

namespace {

HANDLE asHandle(SearchHandle handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

Text searchDirectory(TextRef pattern, std::int32_t attributeMask, SearchHandle& handle) {
    WIN32_FIND_DATAA entry;
    if (pattern.length() != 0) {
        closeDirectorySearch(handle);
        const std::string path(pattern.view());
        const HANDLE found = FindFirstFileA(path.c_str(), &entry);
        if (found == INVALID_HANDLE_VALUE) return Text();
        handle = reinterpret_cast<SearchHandle>(found);
    } else {
        if (handle == 0) return Text();
        if (!FindNextFileA(asHandle(handle), &entry)) {
            closeDirectorySearch(handle);
            return Text();
        }
    }
    // Entries that do not match the mask (with 16: everything but folders) are passed over.
    while ((entry.dwFileAttributes & static_cast<DWORD>(attributeMask)) == 0) {
        if (!FindNextFileA(asHandle(handle), &entry)) {
            closeDirectorySearch(handle);
            return Text();
        }
    }
    return Text(std::string(entry.cFileName));
}

void closeDirectorySearch(SearchHandle& handle) {
    if (handle == 0) return;
    FindClose(asHandle(handle));
    handle = 0;
}
