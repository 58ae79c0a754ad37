#pragma once
// The least the file system needs for the program's work: bare Win32 loops with nothing of the
// window around them. The program's times are compared with these.

#include <string>
#include <vector>

// Lists folder the way the program's scan does (FindFirstFileA on "folder\*.*", then
// FindNextFileA); gives the seconds taken. Throws unless it found expected sub-folders.
double timeScanFloor(const std::string& folder, std::size_t expected);

// Renames each sub-folder from[i] of folder to to[i] with MoveFileA on full paths, as the
// program's rename run does; gives the seconds taken. Throws if a rename fails.
double timeRenames(const std::string& folder, const std::vector<std::string>& from,
                   const std::vector<std::string>& to);
