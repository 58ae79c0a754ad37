#include <windows.h>
#include <shlobj.h>

#include <string>

#include "PendingUpdates.h"
#include "Platform.h"

Text chooseFolder(TextRef prompt) {
    showPendingUpdates();  // the picker's modal loop paints the window behind it
    const std::string title(prompt.view());
    BROWSEINFOA browse{};
    browse.hwndOwner = GetActiveWindow();
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_EDITBOX;
    LPITEMIDLIST item = SHBrowseForFolderA(&browse);
    if (!item) return Text();

    char path[MAX_PATH] = {};
    const bool hasPath = SHGetPathFromIDListA(item, path) && path[0] != '\0';
    IMalloc* shellAllocator = nullptr;
    if (SUCCEEDED(SHGetMalloc(&shellAllocator))) {
        shellAllocator->Free(item);
        shellAllocator->Release();
    }
    if (!hasPath) return Text();
    return Text(std::string(path));
}
