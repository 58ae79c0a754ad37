// A demonstration job: the real program driven through one whole renaming job as a user would
// (pick a folder, fill in find, replacement, prefix and suffix, generate, start). Before each
// step's picture it prints "shot NAME" and waits for a line on its input, so that the script
// running it can take a screenshot of the screen as it is then.
//
// Usage: DemoJob <folder>  (a Windows path; its sub-folders are renamed)
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "FolderPicker.h"
#include "MessageBoxes.h"
#include "ProgramDriver.h"
#include "Waiting.h"

namespace {

void screenshot(const char* name) {
    std::cout << "shot " << name << std::endl;
    std::string answer;
    std::getline(std::cin, answer);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: DemoJob <folder>\n";
        return 2;
    }
    const std::string folder = argv[1];
    try {
        ProgramDriver program;
        screenshot("started");

        program.click("按钮1");
        pickFolder(program, folder);
        screenshot("folder-picked");

        program.type("编辑框5", "旧");
        program.type("编辑框6", "新");
        program.type("编辑框3", "2026-");
        program.type("编辑框4", "_备份");
        screenshot("inputs-typed");

        program.click("按钮2");
        while (messageBoxOpen(program)) std::cerr << "message: " << acceptMessageBox(program) << "\n";
        screenshot("names-generated");

        program.click("按钮3");
        while (messageBoxOpen(program)) std::cerr << "message: " << acceptMessageBox(program) << "\n";
        screenshot("renamed");

        const DWORD exitCode = program.close();
        std::cout << "exit " << exitCode << std::endl;
        return exitCode == 0 ? 0 : 1;
    } catch (const DriverError& error) {
        std::cerr << "demo job failed: " << error.what() << "\n";
        return 1;
    }
}
