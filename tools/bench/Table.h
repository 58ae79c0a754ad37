#pragma once
// The benchmark's one table, with the goals each figure is held against. Plain ASCII: the
// bytes go to a Linux terminal as they are.

#include <cstddef>
#include <vector>

#include "ProgramSteps.h"

struct BenchRow {
    std::size_t folders = 0;
    double scanFloorSeconds = 0;
    double renameFloorSeconds = 0;
    ProgramFigures program;
};

void printTable(const std::vector<BenchRow>& rows);
