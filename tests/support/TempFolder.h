#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it at the end.
// Each sub-folder made here holds a file naming it, so that a snapshot of the tree shows any
// folder that was lost, merged or overwritten.

#include <map>
#include <string>
#include <utility>
#include <vector>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }

    // Makes a sub-folder (with its marker file) for each name.
    void makeFolders(const std::vector<std::string>& names);
    void makeFile(const std::string& name, const std::string& content);

    // Every path below the folder, relative to it, with a file's content or "<dir>".
    using Tree = std::map<std::string, std::string>;
    Tree snapshot() const;

    // before, with each top-level name renamed as given (old name -> new name).
    static Tree renamed(const Tree& before, const std::vector<std::pair<std::string, std::string>>& renames);

private:
    std::string path_;
};
