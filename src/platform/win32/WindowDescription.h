#pragma once
// A window and its controls described as data; WindowToolkit creates windows from these.

#include <windows.h>

#include <cstddef>

#include "Controls.h"

enum class ControlKind { Label, SingleLineEdit, MultiLineEdit, ListBox, PushButton };

inline bool isEditBox(ControlKind kind) {
    return kind == ControlKind::SingleLineEdit || kind == ControlKind::MultiLineEdit;
}

// A handler of the workflow or the app: no arguments, no result.
using Handler = void (*)();

struct ControlDescription {
    const char* name;  // 编辑框1, 按钮3, ...: how reports name the control
    ControlKind kind;
    ControlNumber number;
    int left, top, width, height;  // client coordinates of the window
    const char* caption;
    DWORD style;    // besides WS_CHILD, which every control has
    DWORD exStyle;
    bool visible;
    // Clicked for a push button, text changed for an edit box; nullptr for none.
    Handler onEvent;
};

struct WindowDescription {
    WindowNumber number;
    const char* title;
    int outerWidth, outerHeight;  // frame and title bar included; the window is centred
    DWORD style;
    DWORD exStyle;
    int iconResource;
    // In the control order: the stacking order from top to bottom.
    const ControlDescription* controls;
    std::size_t controlCount;
    Handler onCreated;
};
