#include <windows.h>

#include <string>

#include "Platform.h"

bool moveFile(TextRef from, TextRef to) {
    const std::string source(from.view());
    const std::string target(to.view());
    // Without MOVEFILE_REPLACE_EXISTING: a taken target makes the move fail, changing nothing.
    return MoveFileA(source.c_str(), target.c_str()) != 0;
}
