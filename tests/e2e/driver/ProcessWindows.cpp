#include "ProcessWindows.h"

#include "Waiting.h"

namespace {

struct VisibleWindowsOf {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK collectVisible(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<VisibleWindowsOf*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && IsWindowVisible(window)) search.found.push_back(window);
    return TRUE;
}

struct DescendantOfClass {
    std::string name;
    HWND found = nullptr;
};

BOOL CALLBACK findOfClass(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<DescendantOfClass*>(context);
    if (className(window) != search.name) return TRUE;
    search.found = window;
    return FALSE;
}

}  // namespace

std::vector<HWND> visibleTopLevelWindows(DWORD processId) {
    VisibleWindowsOf search{processId, {}};
    EnumWindows(collectVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string className(HWND window) {
    char name[256] = {};
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

LRESULT sendToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, StepTimeoutMs, &result)) {
        throw DriverError("no answer to message " + std::to_string(message));
    }
    return static_cast<LRESULT>(result);
}

LRESULT sendToWindowW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, StepTimeoutMs, &result)) {
        throw DriverError("no answer to message " + std::to_string(message));
    }
    return static_cast<LRESULT>(result);
}

std::string windowText(HWND window) {
    // The length is in characters of the window's own kind; two bytes each is always enough.
    const auto length = static_cast<std::size_t>(sendToWindow(window, WM_GETTEXTLENGTH, 0, 0));
    std::string text(2 * length + 1, '\0');
    text.resize(sendToWindow(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    return text;
}

RECT placeInParent(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

HWND findDescendant(HWND parent, const std::string& name) {
    DescendantOfClass search{name};
    EnumChildWindows(parent, findOfClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
