#pragma once
// One run of the program over a folder, timed step by step as a user would take the steps:
// choose the folder, generate new names with a suffix, start renaming.

#include <cstddef>
#include <string>

struct ProgramFigures {
    double scanSeconds = 0;      // from OK in the folder picker until the names are shown
    double generateSeconds = 0;  // from the click on 按钮2 until the new names are shown
    double renameSeconds = 0;    // from the click on 按钮3 until the window answers again
    double startWorkingSetMb = 0;  // right after the window showed: mostly Wine's own share
    double peakWorkingSetMb = 0;
    double peakPagefileMb = 0;  // Wine gives the usage at the time of asking here, not a peak
};

// Starts a fresh program, takes the three steps on folder (which holds expectedFolders
// sub-folders) with suffix typed into 编辑框4, reads the program's peak memory and closes it.
// Throws when a step does not do what it should: a message box, a disabled 按钮3, a wrong
// count of listed names, an exit code other than 0.
ProgramFigures timeProgram(const std::string& folder, std::size_t expectedFolders, const std::string& suffix);
