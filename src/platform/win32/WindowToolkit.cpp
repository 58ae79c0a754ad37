#include "WindowToolkit.h"

#include <commctrl.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "PendingUpdates.h"
#include "FatalError.h"

namespace {

constexpr char WindowClassName[] = "FolderRenamerWindow";
constexpr int FirstControlId = 1000;  // ids of controls: 1000 + place in the control order

struct LoadedControl {
    const ControlDescription* description;
    HWND handle = nullptr;
    EditBoxState edit;
};

struct LoadedWindow {
    const WindowDescription* description;
    HWND handle = nullptr;
    std::vector<std::unique_ptr<LoadedControl>> controls;  // in the control order
    std::map<ControlNumber, LoadedControl*> byNumber;
    HWND lastFocus = nullptr;  // the control that had the focus when the window was deactivated
};

std::map<WindowNumber, const WindowDescription*> descriptions;
std::map<WindowNumber, std::unique_ptr<LoadedWindow>> windows;
bool handlersActive = false;  // events reach handlers only from the created event until exit
bool loopStarted = false;
int liveTopLevelWindows = 0;

[[noreturn]] void fatal(const std::string& what) { reportFatalError(TextRef(what.c_str())); }

LoadedWindow* windowOf(HWND handle) {
    return reinterpret_cast<LoadedWindow*>(GetWindowLongPtrA(handle, GWLP_USERDATA));
}

LoadedControl* controlOf(HWND handle) {
    return reinterpret_cast<LoadedControl*>(GetWindowLongPtrA(handle, GWLP_USERDATA));
}

const char* className(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label: return "Static";
        case ControlKind::SingleLineEdit:
        case ControlKind::MultiLineEdit: return "Edit";
        case ControlKind::ListBox: return "ListBox";
        case ControlKind::PushButton: return "Button";
    }
    return "Static";
}

int runningHandlers = 0;  // more than one while a handler runs nested in another's change

void runHandler(Handler handler) {
    if (!handlersActive || !handler) return;
    ++runningHandlers;
    handler();
    // What the handlers changed is shown before the window answers the user again.
    if (--runningHandlers == 0) showPendingUpdates();
}

// The control that takes the focus when none had it: visible, enabled, a tab stop and not a
// label; as every control has the same tab order number, the last of these in the control order.
HWND firstFocusTarget(const LoadedWindow& window) {
    HWND target = nullptr;
    for (const auto& control : window.controls) {
        const HWND h = control->handle;
        if (control->description->kind != ControlKind::Label && IsWindowVisible(h) && IsWindowEnabled(h) &&
            (GetWindowLongA(h, GWL_STYLE) & WS_TABSTOP)) {
            target = h;
        }
    }
    return target;
}

void onCommand(HWND source, WORD code) {
    LoadedControl* control = controlOf(source);
    if (!control || !control->description) return;
    const ControlKind kind = control->description->kind;
    if (kind == ControlKind::PushButton && code == BN_CLICKED) runHandler(control->description->onEvent);
    if (isEditBox(kind) && code == EN_CHANGE && !control->edit.holdChange) {
        // The user typed, pasted, cut or undid: the program's copy of the text is stale.
        if (!control->edit.programChange) control->edit.textValid = false;
        runHandler(control->description->onEvent);
    }
}

LRESULT CALLBACK windowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    LoadedWindow* window = windowOf(handle);
    switch (message) {
        case WM_COMMAND:
            if (lParam != 0) onCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
            return 0;
        case WM_ACTIVATE:
            if (window && LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (focus && IsChild(handle, focus)) window->lastFocus = focus;
            }
            break;
        case WM_SETFOCUS:
            if (window) {
                HWND target = window->lastFocus;
                if (!target || !IsWindow(target) || !IsChild(handle, target)) target = firstFocusTarget(*window);
                if (target) SetFocus(target);
            }
            return 0;
        case WM_NCDESTROY:
            if (window) {
                window->handle = nullptr;
                SetWindowLongPtrA(handle, GWLP_USERDATA, 0);
            }
            if (--liveTopLevelWindows == 0 && loopStarted) PostQuitMessage(0);
            break;
        default:
            break;
    }
    return DefWindowProcA(handle, message, wParam, lParam);
}

void registerWindowClass(const WindowDescription& description) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hIcon = LoadIconA(windowClass.hInstance, MAKEINTRESOURCEA(description.iconResource));
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = WindowClassName;
    if (!RegisterClassExA(&windowClass)) fatal("无法注册窗口类");
    registered = true;
}

HWND createMainWindow(const WindowDescription& description) {
    // Centred on the primary screen; each division truncates toward zero, so a screen smaller
    // than the window gives a negative place.
    const int x = (GetSystemMetrics(SM_CXSCREEN) - description.outerWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - description.outerHeight) / 2;
    const HWND handle = CreateWindowExA(description.exStyle, WindowClassName, description.title,
                                        description.style & ~WS_VISIBLE, x, y, description.outerWidth,
                                        description.outerHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!handle) fatal(std::string("无法创建窗口: ") + description.title);
    ++liveTopLevelWindows;
    RECT outer{};
    GetWindowRect(handle, &outer);
    if (outer.right - outer.left != description.outerWidth || outer.bottom - outer.top != description.outerHeight ||
        outer.left != x || outer.top != y) {
        MoveWindow(handle, x, y, description.outerWidth, description.outerHeight, FALSE);
    }
    return handle;
}

void createControl(LoadedWindow& window, LoadedControl& control, int id, HFONT font) {
    const ControlDescription& d = *control.description;
    control.handle = CreateWindowExA(d.exStyle, className(d.kind), d.caption, WS_CHILD | (d.style & ~WS_VISIBLE),
                                     d.left, d.top, d.width, d.height, window.handle,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                     nullptr);
    if (!control.handle) fatal(std::string("无法创建控件: ") + d.name);
    SetWindowLongPtrA(control.handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&control));
    SendMessageA(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // The default limit of 30,000 characters would silently cut long lists of names.
    if (isEditBox(d.kind)) SendMessageA(control.handle, EM_SETLIMITTEXT, 0, 0);
    if (d.kind == ControlKind::ListBox) {
        const LRESULT rowHeight = SendMessageA(control.handle, LB_GETITEMHEIGHT, 0, 0);
        SendMessageA(control.handle, LB_SETITEMHEIGHT, 0, MAKELPARAM(rowHeight + 1, 0));
    }
}

}  // namespace

void registerWindowDescription(const WindowDescription& description) {
    std::map<ControlNumber, int> seen;
    for (std::size_t i = 0; i < description.controlCount; ++i) {
        if (seen[description.controls[i].number]++) {
            fatal(std::string("窗口描述有误: 控件编号重复 ") + description.controls[i].name);
        }
    }
    descriptions[description.number] = &description;
}

void loadWindow(WindowNumber number) {
    const auto found = descriptions.find(number);
    if (found == descriptions.end()) fatal("没有编号为 " + std::to_string(number) + " 的窗口描述");
    const WindowDescription& description = *found->second;

    INITCOMMONCONTROLSEX commonControls{sizeof commonControls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&commonControls);
    registerWindowClass(description);

    auto window = std::make_unique<LoadedWindow>();
    window->description = &description;
    for (std::size_t i = 0; i < description.controlCount; ++i) {
        window->controls.push_back(std::make_unique<LoadedControl>(LoadedControl{&description.controls[i], nullptr, {}}));
        window->byNumber[description.controls[i].number] = window->controls.back().get();
    }
    LoadedWindow& w = *window;
    windows[number] = std::move(window);

    w.handle = createMainWindow(description);
    SetWindowLongPtrA(w.handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&w));
    const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(w.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    // Created last-to-first, then stacked first-to-last: the control order is the stacking order.
    for (std::size_t i = w.controls.size(); i-- > 0;) {
        createControl(w, *w.controls[i], FirstControlId + static_cast<int>(i), font);
    }
    HWND above = HWND_TOP;
    for (const auto& control : w.controls) {
        SetWindowPos(control->handle, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control->handle;
    }
    for (const auto& control : w.controls) {
        if (control->description->visible) ShowWindow(control->handle, SW_SHOWNA);
    }

    handlersActive = true;
    runHandler(description.onCreated);
    if (w.handle) ShowWindow(w.handle, SW_SHOW);
}

void runMessageLoop() {
    loopStarted = true;
    if (liveTopLevelWindows == 0) return;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        // Tab and the arrow keys move between the controls, as in a dialog.
        const auto main = windows.begin();
        if (main != windows.end() && main->second->handle && IsDialogMessageA(main->second->handle, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void releaseWindows() {
    handlersActive = false;
    for (auto& [number, window] : windows) {
        if (window->handle) DestroyWindow(window->handle);
    }
    windows.clear();
    descriptions.clear();
}

static LoadedControl& loadedControl(WindowNumber windowNumber, ControlNumber controlNumber) {
    const auto window = windows.find(windowNumber);
    if (window == windows.end() || !window->second->handle) {
        fatal("窗口 " + std::to_string(windowNumber) + " 不存在");
    }
    const auto control = window->second->byNumber.find(controlNumber);
    if (control == window->second->byNumber.end() || !control->second->handle) {
        fatal("控件 " + std::to_string(controlNumber) + " 不存在");
    }
    return *control->second;
}

HWND controlHandle(WindowNumber window, ControlNumber control) { return loadedControl(window, control).handle; }

const ControlDescription& controlDescription(WindowNumber window, ControlNumber control) {
    return *loadedControl(window, control).description;
}

void forEachEditBox(void (*action)(HWND edit)) {
    for (auto& [number, window] : windows) {
        for (auto& control : window->controls) {
            if (control->handle && isEditBox(control->description->kind)) action(control->handle);
        }
    }
}

EditBoxState& editBoxState(HWND control) {
    LoadedControl* c = controlOf(control);
    if (!c || !isEditBox(c->description->kind)) fatal("不是编辑框");
    return c->edit;
}

void fireTextChanged(HWND control) {
    EditBoxState& state = editBoxState(control);
    const bool wasProgramChange = state.programChange;
    state.programChange = true;  // the program's own change: its copy of the text stays
    SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), EN_CHANGE),
                 reinterpret_cast<LPARAM>(control));
    state.programChange = wasProgramChange;
}
