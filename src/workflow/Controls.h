#pragma once
// How the workflow addresses the window: by number, as MainWindow's description numbers it.

#include <cstdint>

using WindowNumber = std::int32_t;
using ControlNumber = std::int32_t;
using PropertyNumber = std::int32_t;

constexpr WindowNumber MainWindowNumber = 1375797249;

constexpr ControlNumber 编辑框1 = 369164290;  // folder path
constexpr ControlNumber 编辑框2 = 369164293;  // new names, one per line
constexpr ControlNumber 编辑框3 = 369164294;  // prefix
constexpr ControlNumber 编辑框4 = 369164295;  // suffix
constexpr ControlNumber 编辑框5 = 369164314;  // text to be replaced
constexpr ControlNumber 编辑框6 = 369164380;  // replacement
constexpr ControlNumber 列表框1 = 369164292;  // old names
constexpr ControlNumber 按钮1 = 369164291;    // choose folder
constexpr ControlNumber 按钮2 = 369164300;    // generate new names
constexpr ControlNumber 按钮3 = 369164311;    // start renaming
constexpr ControlNumber 标签1 = 369164296;
constexpr ControlNumber 标签2 = 369164298;
constexpr ControlNumber 标签3 = 369164299;
constexpr ControlNumber 标签4 = 369164301;
constexpr ControlNumber 标签5 = 369164382;
constexpr ControlNumber 标签6 = 369164383;

constexpr PropertyNumber DisabledProperty = 6;  // 1 disabled, 0 enabled
constexpr PropertyNumber TextProperty = 8;      // the whole text of an edit box
constexpr std::int32_t WholeValue = -1;         // selector: the whole value of a property
