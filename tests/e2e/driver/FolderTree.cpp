#include "FolderTree.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "Waiting.h"

namespace {

bool isDotEntry(const char* name) { return std::string(name) == "." || std::string(name) == ".."; }

// Calls visit(entry) for each entry of folder but "." and "..".
template <typename Visit>
void forEachEntry(const std::string& folder, Visit visit) {
    WIN32_FIND_DATAA entry;
    // A drive's root ("C:\") ends in a backslash already. Its last byte alone does not tell: it is
    // also the trail byte of some characters ("乗").
    const bool driveRoot = folder.size() == 3 && folder[1] == ':';
    const std::string pattern = folder + (driveRoot ? "*" : "\\*");
    const HANDLE search = FindFirstFileA(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (!isDotEntry(entry.cFileName)) visit(entry);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}

bool isFolder(const WIN32_FIND_DATAA& entry) { return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

void removeTree(const std::string& folder) {
    forEachEntry(folder, [&folder](const WIN32_FIND_DATAA& entry) {
        const std::string path = folder + "\\" + entry.cFileName;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (isFolder(entry)) {
            removeTree(path);
        } else {
            DeleteFileA(path.c_str());
        }
    });
    RemoveDirectoryA(folder.c_str());
}

void addToSnapshot(const std::string& folder, const std::string& relative, FolderTree::Snapshot& snapshot) {
    forEachEntry(folder, [&](const WIN32_FIND_DATAA& entry) {
        const std::string path = folder + "\\" + entry.cFileName;
        const std::string name = relative + entry.cFileName;
        if (isFolder(entry)) {
            snapshot[name] = "<dir>";
            addToSnapshot(path, name + "\\", snapshot);
        } else {
            std::ifstream in(path, std::ios::binary);
            snapshot[name] = std::string(std::istreambuf_iterator<char>(in), {});
        }
    });
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
    if (!out) throw DriverError("could not write " + path);
}

}  // namespace

FolderTree::FolderTree() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string base = std::string(temp) + "FolderRenamerE2E-" + std::to_string(GetCurrentProcessId()) + "-";
    for (unsigned number = 0; number < 1000; ++number) {
        const std::string candidate = base + std::to_string(number);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate;
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    throw DriverError("could not make a fresh folder under " + std::string(temp));
}

FolderTree::~FolderTree() { removeTree(path_); }

void FolderTree::makeFolders(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        const std::string folder = path_ + "\\" + name;
        if (!CreateDirectoryA(folder.c_str(), nullptr)) throw DriverError("could not make " + folder);
        writeFile(folder + "\\marker.txt", "folder " + name);
    }
}

void FolderTree::makeFile(const std::string& name, const std::string& content) {
    writeFile(path_ + "\\" + name, content);
}

void FolderTree::removeFolder(const std::string& name) { removeTree(path_ + "\\" + name); }

FolderTree::Snapshot FolderTree::snapshot() const {
    Snapshot snapshot;
    addToSnapshot(path_, "", snapshot);
    return snapshot;
}

FolderTree::Snapshot FolderTree::renamed(const Snapshot& before, const std::map<std::string, std::string>& renames) {
    Snapshot after;
    for (const auto& [path, content] : before) {
        std::string moved = path;
        // Matched as whole leading names: a byte 0x5C inside a name ("乗") is no separator.
        for (const auto& [from, to] : renames) {
            if (path == from || path.rfind(from + "\\", 0) == 0) moved = to + path.substr(from.size());
        }
        after[moved] = content;
    }
    return after;
}

std::vector<std::string> subFolders(const std::string& folder) {
    std::vector<std::string> names;
    forEachEntry(folder, [&names](const WIN32_FIND_DATAA& entry) {
        if (isFolder(entry)) names.push_back(entry.cFileName);
    });
    return names;
}
