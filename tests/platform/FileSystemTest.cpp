// The directory search and the move, run against real folders under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "Platform.h"

namespace {

// A fresh folder in the Windows temporary folder, removed with its contents at the end.
class Folder {
public:
    Folder() {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        path_ = std::string(temp) + "fs-test-" + std::to_string(now.QuadPart) + "-" + std::to_string(counter_++);
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~Folder() { remove(path_); }

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

    void makeFolder(const std::string& name) const {
        CreateDirectoryA((*this / name).c_str(), nullptr);
        makeFile(name + "\\marker.txt", "folder " + name);
    }
    void makeFile(const std::string& name, const std::string& content) const {
        const HANDLE file = CreateFileA((*this / name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(file);
    }

    // Every path below the folder, relative to it, with a file's content or "<dir>".
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> tree;
        walk(path_, "", tree);
        return tree;
    }

private:
    static void walk(const std::string& root, const std::string& prefix, std::map<std::string, std::string>& tree) {
        WIN32_FIND_DATAA entry;
        const HANDLE search = FindFirstFileA((root + "\\*").c_str(), &entry);
        if (search == INVALID_HANDLE_VALUE) return;
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            const std::string full = root + "\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                tree[prefix + name] = "<dir>";
                walk(full, prefix + name + "\\", tree);
            } else {
                std::string content(entry.nFileSizeLow, '\0');
                const HANDLE file = CreateFileA(full.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
                DWORD read = 0;
                ReadFile(file, content.data(), entry.nFileSizeLow, &read, nullptr);
                CloseHandle(file);
                tree[prefix + name] = content;
            }
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    // Through the wide functions: a name outside the code page has no ANSI form to delete by.
    static void remove(const std::string& path) {
        wchar_t wide[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
        removeWide(wide);
    }
    static void removeWide(const std::wstring& path) {
        WIN32_FIND_DATAW entry;
        const HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &entry);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = entry.cFileName;
                if (name == L"." || name == L"..") continue;
                const std::wstring full = path + L"\\" + name;
                SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    removeWide(full);
                } else {
                    DeleteFileW(full.c_str());
                }
            } while (FindNextFileW(search, &entry));
            FindClose(search);
        }
        RemoveDirectoryW(path.c_str());
    }

    std::string path_;
    static inline int counter_ = 0;
};

// Every name the search delivers for the pattern, until it gives the empty text.
std::vector<std::string> searchAll(const std::string& pattern, SearchHandle& handle) {
    std::vector<std::string> names;
    for (Text name = searchDirectory(pattern.c_str(), DirectoryAttribute, handle); name.length() != 0;
         name = searchDirectory(TextRef(), DirectoryAttribute, handle)) {
        names.emplace_back(name.view());
    }
    return names;
}

// The names FindFirstFileA/FindNextFileA give for the pattern, folders only, in their order.
std::vector<std::string> foldersByFindFile(const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) names.emplace_back(entry.cFileName);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return names;
}

TEST(DirectorySearch, DeliversFoldersOnlyIncludingHiddenOnesInTheFileSystemsOrder) {
    Folder folder;
    folder.makeFolder("b");
    folder.makeFolder("A");
    folder.makeFolder("说明");
    folder.makeFolder("hidden");
    SetFileAttributesA((folder / "hidden").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
    folder.makeFile("file.txt", "x");
    folder.makeFile("c.dat", "y");

    SearchHandle handle = 0;
    const std::vector<std::string> names = searchAll(folder.path() + "\\*.*", handle);

    EXPECT_EQ(names, foldersByFindFile(folder.path() + "\\*.*"));
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 2), (std::vector<std::string>{".", ".."}));
    EXPECT_EQ(names.size(), 6u);
    EXPECT_NE(std::find(names.begin(), names.end(), "hidden"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "说明"), names.end()) << "a GBK name comes back as its 936 bytes";
    EXPECT_EQ(std::find(names.begin(), names.end(), "file.txt"), names.end());
    EXPECT_EQ(handle, 0u) << "the search closes itself after the last entry";
}

TEST(DirectorySearch, GivesTheSubstituteFormOfANameOutsideTheCodePage) {
    Folder folder;
    wchar_t path[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, folder.path().c_str(), -1, path, MAX_PATH);
    ASSERT_TRUE(CreateDirectoryW((std::wstring(path) + L"\\\uD55C\uAD6D\uC5B4").c_str(), nullptr));  // Korean

    SearchHandle handle = 0;
    const std::vector<std::string> names = searchAll(folder.path() + "\\*.*", handle);

    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[2], foldersByFindFile(folder.path() + "\\*.*")[2]);
    EXPECT_NE(names[2].find('?'), std::string::npos) << names[2];
}

TEST(DirectorySearch, GivesOnlyDotEntriesForAFolderWithoutSubFolders) {
    Folder folder;
    folder.makeFile("only-a-file.txt", "x");
    SearchHandle handle = 0;
    EXPECT_EQ(searchAll(folder.path() + "\\*.*", handle), (std::vector<std::string>{".", ".."}));
}

TEST(DirectorySearch, GivesNothingForAMissingFolder) {
    Folder folder;
    SearchHandle handle = 0;
    EXPECT_TRUE(searchAll(folder.path() + "\\missing\\*.*", handle).empty());
    EXPECT_EQ(handle, 0u);
    EXPECT_EQ(searchDirectory(TextRef(), DirectoryAttribute, handle).length(), 0u) << "continue on handle 0";
}

TEST(DirectorySearch, ReadsTwoBackslashesAfterADriveRootAsOne) {
    // The picker gives a drive root with its trailing backslash, so the pattern is "C:\\*.*".
    SearchHandle handle = 0;
    const std::vector<std::string> names = searchAll("C:\\\\*.*", handle);
    EXPECT_EQ(names, foldersByFindFile("C:\\*.*"));
    EXPECT_NE(std::find(names.begin(), names.end(), "windows"), names.end());
}

TEST(DirectorySearch, StartingAgainClosesTheSearchStillOpen) {
    Folder folder;
    folder.makeFolder("a");
    SearchHandle handle = 0;
    EXPECT_EQ(std::string(searchDirectory((folder.path() + "\\*.*").c_str(), DirectoryAttribute, handle).view()), ".");
    EXPECT_NE(handle, 0u);
    EXPECT_EQ(searchAll(folder.path() + "\\*.*", handle), (std::vector<std::string>{".", "..", "a"}));
    SearchHandle open = 0;
    searchDirectory((folder.path() + "\\*.*").c_str(), DirectoryAttribute, open);
    closeDirectorySearch(open);
    EXPECT_EQ(open, 0u);
    closeDirectorySearch(open);  // closing handle 0 does nothing
}

TEST(Move, RenamesAFolderInPlaceWithItsContents) {
    Folder folder;
    folder.makeFolder("old");
    EXPECT_TRUE(moveFile((folder / "old").c_str(), (folder / "新名字").c_str()));
    EXPECT_EQ(folder.snapshot(), (std::map<std::string, std::string>{
                                     {"新名字", "<dir>"}, {"新名字\\marker.txt", "folder old"}}));
}

TEST(Move, NeverReplacesWhatIsAlreadyThere) {
    struct Case {
        const char* what;
        void (*prepare)(const Folder&);
    };
    const Case cases[] = {
        {"an existing folder", [](const Folder& f) { f.makeFolder("target"); }},
        {"an existing empty folder", [](const Folder& f) { CreateDirectoryA((f / "target").c_str(), nullptr); }},
        {"an existing file", [](const Folder& f) { f.makeFile("target", "a file"); }},
    };
    for (const Case& c : cases) {
        Folder folder;
        folder.makeFolder("source");
        c.prepare(folder);
        const auto before = folder.snapshot();
        EXPECT_FALSE(moveFile((folder / "source").c_str(), (folder / "target").c_str())) << c.what;
        EXPECT_EQ(folder.snapshot(), before) << c.what;
    }
}

TEST(Move, FailsWithoutChangingAnythingWhenTheSourceIsMissingOrTheNameIsBad) {
    Folder folder;
    folder.makeFolder("a");
    const auto before = folder.snapshot();
    for (const std::string to : {"b", "bad?name", "x<y", "CON", "a\\inside-itself"}) {
        const std::string from = to == "b" ? "missing" : "a";
        EXPECT_FALSE(moveFile((folder / from).c_str(), (folder / to).c_str())) << to;
    }
    EXPECT_FALSE(moveFile((folder.path() + "\\").c_str(), (folder / "x").c_str())) << "the folder itself";
    EXPECT_EQ(folder.snapshot(), before);
}

}  // namespace
