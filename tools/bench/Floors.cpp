#include "Floors.h"

#include <windows.h>

#include <stdexcept>

#include "Stopwatch.h"

double timeScanFloor(const std::string& folder, std::size_t expected) {
    const std::string pattern = folder + "\\*.*";
    std::size_t found = 0;
    const Stopwatch watch;
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) throw std::runtime_error("could not list " + folder);
    do {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ++found;
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    const double seconds = watch.seconds();
    // "." and ".." are folders too.
    if (found != expected + 2) {
        throw std::runtime_error("the bare scan of " + folder + " found " + std::to_string(found - 2) +
                                 " sub-folders instead of " + std::to_string(expected));
    }
    return seconds;
}

double timeRenames(const std::string& folder, const std::vector<std::string>& from,
                   const std::vector<std::string>& to) {
    const std::string base = folder + "\\";
    const Stopwatch watch;
    for (std::size_t i = 0; i < from.size(); ++i) {
        // The paths are built inside the loop because the program builds them per folder too.
        if (!MoveFileA((base + from[i]).c_str(), (base + to[i]).c_str())) {
            throw std::runtime_error("MoveFileA " + from[i] + " -> " + to[i] + " failed, error " +
                                     std::to_string(GetLastError()));
        }
    }
    return watch.seconds();
}
