#include "ExitCleanups.h"

#include <algorithm>
#include <vector>

namespace {
std::vector<ExitCleanup> cleanups;
}

void registerExitCleanup(ExitCleanup routine) {
    if (std::find(cleanups.begin(), cleanups.end(), routine) == cleanups.end()) cleanups.push_back(routine);
}

void runExitCleanups() {
    std::vector<ExitCleanup> toRun;
    toRun.swap(cleanups);
    for (ExitCleanup routine : toRun) routine();
}
