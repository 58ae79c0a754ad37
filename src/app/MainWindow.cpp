#include "MainWindow.h"

#include "Handlers.h"
#include "Resources.h"

namespace {

constexpr DWORD LabelStyle = SS_LEFT | SS_CENTERIMAGE;  // one line, vertically centred
constexpr DWORD SingleLineEditStyle = WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
constexpr DWORD MultiLineEditStyle = WS_TABSTOP | WS_VSCROLL | ES_LEFT | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
constexpr DWORD ListBoxStyle = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_USETABSTOPS;
constexpr DWORD ButtonStyle = WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
constexpr DWORD Sunken = WS_EX_CLIENTEDGE;

using K = ControlKind;

// In the control order, which is also the stacking order from top to bottom.
constexpr ControlDescription Controls[] = {
    // name      kind                  number  left  top  width height caption   style  exStyle visible onEvent
    {"标签6", K::Label, 标签6, 432, 200, 96, 40, "替换后的文字", LabelStyle, 0, true, nullptr},
    {"标签5", K::Label, 标签5, 432, 96, 96, 40, "被替换的文字", LabelStyle, 0, true, nullptr},
    {"编辑框6", K::SingleLineEdit, 编辑框6, 424, 248, 96, 40, "", SingleLineEditStyle, Sunken, true, nullptr},
    {"编辑框5", K::SingleLineEdit, 编辑框5, 424, 144, 96, 40, "", SingleLineEditStyle, Sunken, true, nullptr},
    {"按钮3", K::PushButton, 按钮3, 424, 568, 96, 40, "开始改名", ButtonStyle, 0, true, onStartRenameClicked},
    {"标签4", K::Label, 标签4, 16, 88, 120, 24, "老名字", LabelStyle, 0, true, nullptr},
    {"按钮2", K::PushButton, 按钮2, 424, 512, 96, 40, "生成新名字", ButtonStyle, 0, true, onGenerateNamesClicked},
    {"标签3", K::Label, 标签3, 560, 96, 208, 24, "新名字:生成后可编辑", LabelStyle, 0, true, nullptr},
    {"标签2", K::Label, 标签2, 432, 400, 96, 40, "加后缀", LabelStyle, 0, true, nullptr},
    {"标签1", K::Label, 标签1, 432, 304, 96, 40, "加前缀", LabelStyle, 0, true, nullptr},
    {"编辑框4", K::SingleLineEdit, 编辑框4, 424, 440, 96, 40, "", SingleLineEditStyle, Sunken, true, nullptr},
    {"编辑框3", K::SingleLineEdit, 编辑框3, 424, 352, 96, 40, "", SingleLineEditStyle, Sunken, true, nullptr},
    {"编辑框2", K::MultiLineEdit, 编辑框2, 544, 129, 312, 479, "", MultiLineEditStyle, Sunken, true, onNamesTextChanged},
    {"列表框1", K::ListBox, 列表框1, 16, 125, 392, 479, "", ListBoxStyle, Sunken, true, nullptr},
    {"按钮1", K::PushButton, 按钮1, 424, 24, 96, 40, "选择文件夹", ButtonStyle, 0, true, onChooseFolderClicked},
    {"编辑框1", K::SingleLineEdit, 编辑框1, 16, 24, 392, 40, "", SingleLineEditStyle, Sunken, true, nullptr},
};

}  // namespace

const WindowDescription MainWindow = {
    MainWindowNumber,
    "文件夹批量更名  BY:FolderRenamer 开发组",
    888, 660,
    // Fixed frame, minimize but no maximize.
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
    WS_EX_CONTROLPARENT,
    IconResource,
    Controls,
    sizeof Controls / sizeof Controls[0],
    onWindowCreated,
};
