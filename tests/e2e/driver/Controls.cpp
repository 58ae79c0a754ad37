#include "Controls.h"

#include "ProcessWindows.h"

namespace {

struct Children {
    HWND parent;
    std::vector<HWND> found;
};

BOOL CALLBACK collectChild(HWND child, LPARAM context) {
    auto& children = *reinterpret_cast<Children*>(context);
    // EnumChildWindows also walks grandchildren; the controls are direct children.
    if (GetParent(child) == children.parent) children.found.push_back(child);
    return TRUE;
}

bool sitsAt(HWND child, const ControlPlace& place) {
    const RECT r = placeInParent(child);
    return r.left == place.left && r.top == place.top && r.right - r.left == place.width &&
           r.bottom - r.top == place.height;
}

}  // namespace

const std::vector<ControlPlace>& mainWindowControls() {
    static const std::vector<ControlPlace> controls = {
        // name       left  top  width height
        {"编辑框1", 16, 24, 392, 40},
        {"标签4", 16, 88, 120, 24},
        {"列表框1", 16, 125, 392, 479},
        {"按钮1", 424, 24, 96, 40},
        {"标签5", 432, 96, 96, 40},
        {"编辑框5", 424, 144, 96, 40},
        {"标签6", 432, 200, 96, 40},
        {"编辑框6", 424, 248, 96, 40},
        {"标签1", 432, 304, 96, 40},
        {"编辑框3", 424, 352, 96, 40},
        {"标签2", 432, 400, 96, 40},
        {"编辑框4", 424, 440, 96, 40},
        {"按钮2", 424, 512, 96, 40},
        {"按钮3", 424, 568, 96, 40},
        {"标签3", 560, 96, 208, 24},
        {"编辑框2", 544, 129, 312, 479},
    };
    return controls;
}

std::map<std::string, HWND> findControls(HWND window) {
    Children children{window, {}};
    EnumChildWindows(window, collectChild, reinterpret_cast<LPARAM>(&children));
    std::map<std::string, HWND> byName;
    for (const ControlPlace& place : mainWindowControls()) {
        for (HWND child : children.found) {
            if (sitsAt(child, place)) byName[place.name] = child;
        }
    }
    return byName;
}
