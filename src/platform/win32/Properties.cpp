// readProperty and writeProperty: the disabled state (6) of any control and the text (8) of an
// edit box.
#include <windows.h>

#include "EditBox.h"
#include "FatalError.h"
#include "Platform.h"
#include "WindowToolkit.h"

namespace {

void checkAddress(WindowNumber window, ControlNumber control, PropertyNumber property, std::int32_t selector) {
    if (selector != WholeValue) reportFatalError("属性选择值无效");
    if (property == TextProperty && !isEditBox(controlDescription(window, control).kind)) {
        reportFatalError("该控件没有文本属性");
    }
    if (property != TextProperty && property != DisabledProperty) reportFatalError("属性编号无效");
}

}  // namespace

PropertyValue readProperty(WindowNumber window, ControlNumber control, PropertyNumber property,
                           std::int32_t selector) {
    checkAddress(window, control, property, selector);
    const HWND handle = controlHandle(window, control);
    if (property == DisabledProperty) return std::int32_t{IsWindowEnabled(handle) ? 0 : 1};
    return readEditText(handle);
}

void writeProperty(WindowNumber window, ControlNumber control, PropertyNumber property,
                   std::int32_t selector, const PropertyValue& value) {
    checkAddress(window, control, property, selector);
    if (property == DisabledProperty) {
        EnableWindow(controlHandle(window, control), std::get<std::int32_t>(value) == 0);
        return;
    }
    writeEditText(controlHandle(window, control), std::get<Text>(value));
}
