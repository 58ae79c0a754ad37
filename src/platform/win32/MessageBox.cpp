#include <windows.h>

#include <string>

#include "PendingUpdates.h"
#include "Platform.h"

void showMessage(TextRef message) {
    showPendingUpdates();  // the box's modal loop paints the window behind it
    const std::string text(message.view());
    // Task-modal without an owner: every window of the program is disabled until it is closed.
    MessageBoxA(nullptr, text.c_str(), "信息：", MB_OK | MB_TASKMODAL);
}
