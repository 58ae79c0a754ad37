#pragma once
// The two properties of MainWindow's controls that the workflow uses, read and written
// through readProperty and writeProperty.

#include "Platform.h"

inline Text readText(ControlNumber editBox) {
    return std::get<Text>(readProperty(MainWindowNumber, editBox, TextProperty, WholeValue));
}

inline void writeText(ControlNumber editBox, TextRef text) {
    writeProperty(MainWindowNumber, editBox, TextProperty, WholeValue, Text(text));
}

inline bool isDisabled(ControlNumber control) {
    return std::get<std::int32_t>(readProperty(MainWindowNumber, control, DisabledProperty, WholeValue)) != 0;
}

inline void setDisabled(ControlNumber control, bool disabled) {
    writeProperty(MainWindowNumber, control, DisabledProperty, WholeValue, std::int32_t{disabled ? 1 : 0});
}
