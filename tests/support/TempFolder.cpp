#include "TempFolder.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <stdlib.h>

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "folder-renamer-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void TempFolder::makeFolders(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        fs::create_directory(fs::path(path_) / name);
        std::ofstream(fs::path(path_) / name / "marker.txt") << "folder " << name;
    }
}

void TempFolder::makeFile(const std::string& name, const std::string& content) {
    std::ofstream(fs::path(path_) / name) << content;
}

TempFolder::Tree TempFolder::snapshot() const {
    Tree tree;
    for (const auto& entry : fs::recursive_directory_iterator(path_)) {
        const std::string relative = fs::relative(entry.path(), path_).string();
        if (entry.is_directory()) {
            tree[relative] = "<dir>";
        } else {
            std::ifstream in(entry.path(), std::ios::binary);
            tree[relative] = std::string(std::istreambuf_iterator<char>(in), {});
        }
    }
    return tree;
}

TempFolder::Tree TempFolder::renamed(const Tree& before,
                                     const std::vector<std::pair<std::string, std::string>>& renames) {
    Tree after;
    for (const auto& [path, content] : before) {
        std::string moved = path;
        for (const auto& [from, to] : renames) {
            if (path == from || path.rfind(from + "/", 0) == 0) {
                moved = to + path.substr(from.size());
                break;
            }
        }
        after[moved] = content;
    }
    return after;
}
