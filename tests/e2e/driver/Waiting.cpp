#include "Waiting.h"

namespace {

DWORD pollIntervalMs = 20;

void handleOwnMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace

void setPollIntervalMs(DWORD intervalMs) { pollIntervalMs = intervalMs; }

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        handleOwnMessages();
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, pollIntervalMs, QS_ALLINPUT);
    }
}

void waitFor(const std::function<bool()>& condition, const std::string& what, DWORD timeoutMs) {
    if (!waitUntil(condition, timeoutMs)) throw DriverError("timed out waiting for " + what);
}
