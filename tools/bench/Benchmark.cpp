// Times FolderRenamer.exe on folders of 1,000, 5,000 and 20,000 sub-folders (or the counts given
// on the command line) and prints one table. Each count gets a fresh folder and a fresh program;
// the floors are measured in the same run, on the same folder, just before the program's steps.
// Progress goes to stderr, the table to stdout. Exits 1 when any step's work went wrong: figures
// of work that silently failed would mean nothing.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "Floors.h"
#include "FolderTree.h"
#include "ProgramSteps.h"
#include "Stopwatch.h"
#include "Table.h"
#include "Waiting.h"

namespace {

// Typed into 编辑框4, so that every new name differs from its old one. The rename floor appends
// it too.
constexpr char Suffix[] = "_new";

// "folder_000012345" and on, with ending appended: the names the program lists, ending in one
// Suffix, are 20 bytes long.
std::vector<std::string> folderNames(std::size_t count, const std::string& ending) {
    std::vector<std::string> names;
    names.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "folder_%09zu%s", i, ending.c_str());
        names.push_back(name);
    }
    return names;
}

// Empty folders: the program lists and renames folders without looking inside them.
void makeFolders(const std::string& folder, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        const std::string path = folder + "\\" + name;
        if (!CreateDirectoryA(path.c_str(), nullptr)) {
            throw std::runtime_error("could not make " + path + ", error " + std::to_string(GetLastError()));
        }
    }
}

void requireNames(const std::string& folder, std::vector<std::string> expected) {
    std::vector<std::string> found = subFolders(folder);
    std::sort(found.begin(), found.end());
    std::sort(expected.begin(), expected.end());
    if (found == expected) return;
    std::vector<std::string> missing;
    std::set_difference(expected.begin(), expected.end(), found.begin(), found.end(), std::back_inserter(missing));
    throw std::runtime_error("after the rename run " + folder + " holds " + std::to_string(found.size()) +
                             " sub-folders; " + std::to_string(missing.size()) + " expected names are missing" +
                             (missing.empty() ? "" : ", the first: " + missing.front()));
}

BenchRow measure(std::size_t count) {
    BenchRow row;
    row.folders = count;
    const FolderTree folder;  // removed with everything in it when the row is done
    const std::vector<std::string> made = folderNames(count, "");
    const std::vector<std::string> listed = folderNames(count, Suffix);
    const std::vector<std::string> renamed = folderNames(count, std::string(Suffix) + Suffix);
    const Stopwatch elapsed;
    const auto progress = [&elapsed](const char* what) {
        std::fprintf(stderr, "  %6.1f s  %s\n", elapsed.seconds(), what);
    };

    std::fprintf(stderr, "%zu folders in %s\n", count, folder.path().c_str());
    makeFolders(folder.path(), made);
    progress("folders made");
    // Under Wine every rename reads the whole folder, looking for a name that differs from the
    // new one only in case, so 20,000 renames take minutes and renaming them all back for the
    // program would double that. The floor's renames are of the program's kind instead (Suffix
    // appended, in the same folder, to as many folders), and the program starts from their result.
    row.renameFloorSeconds = timeRenames(folder.path(), made, listed);
    progress("rename floor measured");
    row.scanFloorSeconds = timeScanFloor(folder.path(), count);

    row.program = timeProgram(folder.path(), count, Suffix);
    requireNames(folder.path(), renamed);
    progress("program measured and its renames checked");
    return row;
}

std::vector<std::size_t> countsFrom(int argc, char** argv) {
    if (argc < 2) return {1000, 5000, 20000};
    std::vector<std::size_t> counts;
    for (int i = 1; i < argc; ++i) {
        char* end = nullptr;
        const unsigned long count = std::strtoul(argv[i], &end, 10);
        if (*end != '\0' || count == 0) throw std::runtime_error(std::string("not a count of folders: ") + argv[i]);
        counts.push_back(count);
    }
    return counts;
}

}  // namespace

int main(int argc, char** argv) {
    setPollIntervalMs(1);  // steps of a few milliseconds are timed to the millisecond
    try {
        std::vector<BenchRow> rows;
        for (std::size_t count : countsFrom(argc, argv)) {
            const Stopwatch watch;
            rows.push_back(measure(count));
            std::fprintf(stderr, "  %6.1f s  folders removed\n", watch.seconds());
        }
        printTable(rows);
        return 0;
    } catch (const std::exception& error) {
        std::fflush(stdout);
        std::fprintf(stderr, "error: %s\n", error.what());
        return 1;
    }
}
