#include "Table.h"

#include <cstdio>
#include <string>

namespace {

constexpr double ScanRatioGoal = 1.5;
constexpr double RenameRatioGoal = 1.2;
constexpr double PeakMbGoal = 50;

// The generation goal for a count of folders; 0 where there is none.
double generateGoalSeconds(std::size_t folders) {
    if (folders == 5000) return 2;
    if (folders == 20000) return 10;
    return 0;
}

// A figure with two decimals (three below 10 ms, so that small floors still show), and "*"
// when it misses its goal.
std::string figure(double value, bool missed) {
    char text[32];
    std::snprintf(text, sizeof text, value < 0.01 ? "%.3f%s" : "%.2f%s", value, missed ? "*" : "");
    return text;
}

}  // namespace

void printTable(const std::vector<BenchRow>& rows) {
    const char* format = "%7s | %7s | %12s | %7s | %10s | %8s | %14s | %7s | %10s | %10s | %11s\n";
    std::printf(format, "N", "scan s", "scan floor s", "ratio", "generate s", "rename s", "rename floor s", "ratio",
                "peak WS MB", "peak PF MB", "start WS MB");
    for (const BenchRow& row : rows) {
        const ProgramFigures& p = row.program;
        const double scanRatio = p.scanSeconds / row.scanFloorSeconds;
        const double renameRatio = p.renameSeconds / row.renameFloorSeconds;
        const double generateGoal = generateGoalSeconds(row.folders);
        std::printf(format, std::to_string(row.folders).c_str(), figure(p.scanSeconds, false).c_str(),
                    figure(row.scanFloorSeconds, false).c_str(), figure(scanRatio, scanRatio > ScanRatioGoal).c_str(),
                    figure(p.generateSeconds, generateGoal > 0 && p.generateSeconds > generateGoal).c_str(),
                    figure(p.renameSeconds, false).c_str(), figure(row.renameFloorSeconds, false).c_str(),
                    figure(renameRatio, renameRatio > RenameRatioGoal).c_str(),
                    figure(p.peakWorkingSetMb, p.peakWorkingSetMb > PeakMbGoal).c_str(),
                    figure(p.peakPagefileMb, p.peakPagefileMb > PeakMbGoal).c_str(),
                    figure(p.startWorkingSetMb, false).c_str());
    }
    std::printf("\nGoals: scan <= %.1f x floor; rename <= %.1f x floor; generation <= 2 s for 5000 and <= 10 s "
                "for 20000 folders; peak memory <= %.0f MB. * marks a figure that misses its goal.\n"
                "The program's times run from the click (for the scan: from OK in the folder picker) until its "
                "window is painted\nagain, polled every millisecond. WS: working set; PF: pagefile usage (under "
                "Wine the usage when read,\nafter the three steps: Wine keeps no peak of it). Start WS: the working "
                "set right after the window showed.\n",
                ScanRatioGoal, RenameRatioGoal, PeakMbGoal);
}
