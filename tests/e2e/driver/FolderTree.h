#pragma once
// A fresh folder under the system's temporary folder for the program to work on, removed with
// everything in it at the end. Each sub-folder made here holds a file naming it, so a snapshot
// of the tree shows any folder that was lost, merged or overwritten. Names and paths are in code
// page 936, as the program sees them.

#include <map>
#include <string>
#include <vector>

class FolderTree {
public:
    FolderTree();
    ~FolderTree();
    FolderTree(const FolderTree&) = delete;
    FolderTree& operator=(const FolderTree&) = delete;

    // The folder's full path, without a final backslash.
    const std::string& path() const { return path_; }

    // Makes a sub-folder, holding a file "marker.txt" that names it, for each name.
    void makeFolders(const std::vector<std::string>& names);
    void makeFile(const std::string& name, const std::string& content);
    // Removes a sub-folder with everything in it, as another program might while this one runs.
    void removeFolder(const std::string& name);

    // Every path below the folder, relative to it, with a file's content or "<dir>" for a folder.
    using Snapshot = std::map<std::string, std::string>;
    Snapshot snapshot() const;

    // before, with each sub-folder renamed as given (old name -> new name), its contents along.
    static Snapshot renamed(const Snapshot& before, const std::map<std::string, std::string>& renames);

private:
    std::string path_;
};

// The names of the folders directly in folder, in the order FindFirstFileA and FindNextFileA
// give them, without "." and "..".
std::vector<std::string> subFolders(const std::string& folder);
