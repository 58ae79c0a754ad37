// The main window as a user finds it when the program starts, typing new names, and closing it.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "Controls.h"
#include "ProcessWindows.h"
#include "ProgramDriver.h"

namespace {

constexpr char TitleStart[] = "文件夹批量更名  BY:";
constexpr int OuterWidth = 888;
constexpr int OuterHeight = 660;

// What sets one kind of control apart: the style bits it must have and those it must not have.
struct Kind {
    const char* className;
    DWORD style, noStyle;
    DWORD exStyle, noExStyle;
};

const Kind OneLineEdit{"Edit", ES_AUTOHSCROLL | WS_TABSTOP,
                       ES_MULTILINE | ES_READONLY | ES_PASSWORD | ES_UPPERCASE | ES_LOWERCASE | ES_NOHIDESEL,
                       WS_EX_CLIENTEDGE, 0};
const Kind NamesEdit{"Edit", ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP,
                     WS_HSCROLL | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 0};
// The list box hides its scroll bar, and with it WS_VSCROLL, while its items fit; a long list shows
// it (see ChooseFolderTest).
const Kind ListBox{"ListBox", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_USETABSTOPS | WS_TABSTOP,
                   LBS_SORT | LBS_MULTIPLESEL | LBS_EXTENDEDSEL, WS_EX_CLIENTEDGE, 0};
// BS_PUSHBUTTON is 0: a button type of 0 is an ordinary push button, not the default one.
const Kind PushButton{"Button", BS_CENTER | BS_VCENTER | BS_MULTILINE | WS_TABSTOP, BS_TYPEMASK, 0, 0};
const Kind Label{"Static", 0, WS_TABSTOP | WS_BORDER | SS_SUNKEN, 0, WS_EX_CLIENTEDGE | WS_EX_STATICEDGE};

struct ExpectedControl {
    const char* name;
    const Kind& kind;
    const char* caption;
};

const ExpectedControl Expected[] = {
    {"编辑框1", OneLineEdit, ""},
    {"标签4", Label, "老名字"},
    {"列表框1", ListBox, ""},
    {"按钮1", PushButton, "选择文件夹"},
    {"标签5", Label, "被替换的文字"},
    {"编辑框5", OneLineEdit, ""},
    {"标签6", Label, "替换后的文字"},
    {"编辑框6", OneLineEdit, ""},
    {"标签1", Label, "加前缀"},
    {"编辑框3", OneLineEdit, ""},
    {"标签2", Label, "加后缀"},
    {"编辑框4", OneLineEdit, ""},
    {"按钮2", PushButton, "生成新名字"},
    {"按钮3", PushButton, "开始改名"},
    {"标签3", Label, "新名字:生成后可编辑"},
    {"编辑框2", NamesEdit, ""},
};

DWORD style(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)); }
DWORD exStyle(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)); }

// The row height a list box of this machine gives the standard GUI font, measured on one of our
// own. Wine answers WM_GETFONT from another process with 0, so this height (which the system font
// would make two pixels taller) is where the controls' font shows from outside.
int standardListRowHeight() {
    const HWND list = CreateWindowExA(0, "ListBox", "", WS_POPUP | LBS_NOINTEGRALHEIGHT, 0, 0, 100, 100, nullptr,
                                      nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    DestroyWindow(list);
    return height;
}

TEST(MainWindow, IsTitledWithTheProgramsNameAndACredit) {
    ProgramDriver program;
    char title[256] = {};
    GetWindowTextA(program.window(), title, sizeof title);
    const std::string text = title;
    EXPECT_EQ(text.substr(0, sizeof TitleStart - 1), TitleStart);
    EXPECT_GT(text.size(), sizeof TitleStart - 1) << "no credit after BY:";
}

TEST(MainWindow, HasAFixedSizeAndIsCentredOnThePrimaryScreen) {
    ProgramDriver program;
    RECT outer{};
    GetWindowRect(program.window(), &outer);
    EXPECT_EQ(outer.right - outer.left, OuterWidth);
    EXPECT_EQ(outer.bottom - outer.top, OuterHeight);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - OuterWidth) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - OuterHeight) / 2);
}

TEST(MainWindow, HasATitleBarWithMinimizeAndCloseButOnlyAFixedFrame) {
    ProgramDriver program;
    const DWORD s = style(program.window());
    EXPECT_EQ(s & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
    EXPECT_TRUE(s & WS_SYSMENU);
    EXPECT_TRUE(s & WS_MINIMIZEBOX);
    EXPECT_FALSE(s & WS_MAXIMIZEBOX);
    EXPECT_FALSE(s & WS_THICKFRAME);
    EXPECT_FALSE(exStyle(program.window()) & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindow(program.window(), GW_OWNER), nullptr);
    EXPECT_EQ(GetMenu(program.window()), nullptr);
}

TEST(MainWindow, HoldsExactlyItsSixteenControls) {
    ProgramDriver program;
    // The driver found each control at its place; nothing else may be there.
    int children = 0;
    for (HWND child = GetWindow(program.window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        ++children;
    }
    EXPECT_EQ(children, static_cast<int>(mainWindowControls().size()));
}

TEST(MainWindow, ShowsEachControlAsItShouldLook) {
    ProgramDriver program;
    for (const ExpectedControl& expected : Expected) {
        SCOPED_TRACE(expected.name);
        const HWND control = program.control(expected.name);
        const DWORD s = style(control);
        const DWORD ex = exStyle(control);
        EXPECT_EQ(className(control), expected.kind.className);
        EXPECT_EQ(program.text(expected.name), expected.caption);
        EXPECT_EQ(s & expected.kind.style, expected.kind.style);
        EXPECT_EQ(s & expected.kind.noStyle, 0u);
        EXPECT_EQ(ex & expected.kind.exStyle, expected.kind.exStyle);
        EXPECT_EQ(ex & expected.kind.noExStyle, 0u);
        EXPECT_TRUE(IsWindowVisible(control));
    }
}

TEST(MainWindow, GivesTheOldNamesListRowsOnePixelTallerThanStandard) {
    ProgramDriver program;
    EXPECT_EQ(SendMessageA(program.control("列表框1"), LB_GETITEMHEIGHT, 0, 0), standardListRowHeight() + 1);
}

TEST(MainWindow, StacksItsControlsInTheirOrder) {
    ProgramDriver program;
    std::vector<std::string> stacking;
    for (HWND child = GetWindow(program.window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        stacking.push_back(program.nameOf(child));
    }
    EXPECT_EQ(stacking, (std::vector<std::string>{"标签6", "标签5", "编辑框6", "编辑框5", "按钮3", "标签4", "按钮2",
                                                  "标签3", "标签2", "标签1", "编辑框4", "编辑框3", "编辑框2",
                                                  "列表框1", "按钮1", "编辑框1"}));
}

TEST(MainWindow, StartsWithOnlyStartRenamingDisabledAndTheFocusInThePathBox) {
    ProgramDriver program;
    for (const ControlPlace& place : mainWindowControls()) {
        EXPECT_EQ(program.enabled(place.name), std::string(place.name) != "按钮3") << place.name;
    }
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    ASSERT_TRUE(GetGUIThreadInfo(program.threadId(), &thread));
    EXPECT_EQ(program.nameOf(thread.hwndFocus), "编辑框1");
}

// Typed into the names box while the old-names list is still empty; each gives at least one line.
struct TypedNames {
    const char* label;
    const char* text;
};

class StartRenamingAfterTyping : public ::testing::TestWithParam<TypedNames> {};

TEST_P(StartRenamingAfterTyping, IsEnabledOnceTheLinesMatchTheEmptyListAndStaysSo) {
    ProgramDriver program;
    program.type("编辑框2", GetParam().text);
    EXPECT_FALSE(program.enabled("按钮3"));
    program.replaceAll("编辑框2", "");
    EXPECT_TRUE(program.enabled("按钮3"));
    program.type("编辑框2", GetParam().text);
    EXPECT_TRUE(program.enabled("按钮3")) << "typing never disables it";
}

INSTANTIATE_TEST_SUITE_P(MainWindow, StartRenamingAfterTyping,
                         ::testing::Values(TypedNames{"OneLetter", "a"},
                                           TypedNames{"OnlyALineBreak", "\r\n"},
                                           TypedNames{"ALineWithItsBreak", "a\r\n"},
                                           TypedNames{"TwoLines", "a\r\nb"}),
                         [](const ::testing::TestParamInfo<TypedNames>& info) { return info.param.label; });

TEST(MainWindow, EndsWithExitCodeZeroWhenClosed) {
    ProgramDriver program;
    EXPECT_EQ(program.close(), 0u);
}

}  // namespace
