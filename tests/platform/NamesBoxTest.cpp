// The names box (编辑框2) inside the real window, in this process: what the names handler reads
// after each change, and what the box shows once a click has been handled.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Handlers.h"
#include "MainWindow.h"
#include "NameList.h"
#include "Platform.h"
#include "WindowToolkit.h"

namespace {

// MainWindow, loaded once for all tests of this file (a window number loads once per process).
class NamesBox : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        registerWindowDescription(MainWindow);
        createNameList();
        loadWindow(MainWindowNumber);
    }

    void SetUp() override {
        listBoxClear(列表框1);
        for (ControlNumber box : {编辑框3, 编辑框4, 编辑框5, 编辑框6}) SetWindowTextA(handle(box), "");
        writeProperty(MainWindowNumber, 编辑框2, TextProperty, WholeValue, Text());
    }

    static HWND handle(ControlNumber control) { return controlHandle(MainWindowNumber, control); }

    static std::string shownText(ControlNumber box) {
        const int length = GetWindowTextLengthA(handle(box));
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        text.resize(static_cast<std::size_t>(GetWindowTextA(handle(box), text.data(), length + 1)));
        return text;
    }

    static std::vector<std::string> names() {
        std::vector<std::string> result;
        for (std::int32_t i = 1; i <= elementCount(NameList); ++i) result.emplace_back(elementAt(NameList, i).view());
        return result;
    }

    static void click(ControlNumber button) { SendMessageA(handle(button), BM_CLICK, 0, 0); }

    static void addOldNames(const std::vector<std::string>& oldNames) {
        for (const std::string& name : oldNames) listBoxAddItem(列表框1, name.c_str());
    }
};

TEST_F(NamesBox, GeneratedLinesAreInTheBoxAndInNameListOnceTheClickIsHandled) {
    std::vector<std::string> oldNames;
    std::string expected;
    for (int i = 0; i < 3000; ++i) {
        oldNames.push_back("folder " + std::to_string(i));
        expected += "new folder " + std::to_string(i) + "\r\n";
    }
    addOldNames(oldNames);
    SetWindowTextA(handle(编辑框3), "new ");

    click(按钮2);

    EXPECT_EQ(shownText(编辑框2), expected);
    EXPECT_EQ(names().size(), 3000u);
    EXPECT_EQ(names().back(), "new folder 2999");
    EXPECT_TRUE(IsWindowEnabled(handle(按钮3)));
    DWORD start = 0, end = 0;
    SendMessageA(handle(编辑框2), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end, static_cast<DWORD>(GetWindowTextLengthW(handle(编辑框2)))) << "the caret ends at the end";
}

TEST_F(NamesBox, AChangeByTheUserIsReadFromTheBox) {
    addOldNames({"a", "b"});
    click(按钮2);
    ASSERT_EQ(names(), (std::vector<std::string>{"a", "b"}));

    // As typing would: the control changes its text and notifies by itself.
    SendMessageA(handle(编辑框2), EM_SETSEL, 0, 1);
    SendMessageA(handle(编辑框2), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("typed"));

    EXPECT_EQ(names(), (std::vector<std::string>{"typed", "b"}));
    EXPECT_EQ(std::string(std::get<Text>(readProperty(MainWindowNumber, 编辑框2, TextProperty, WholeValue)).view()),
              "typed\r\nb\r\n");
}

TEST_F(NamesBox, WritingTheTextFiresTheChangeOnceEvenWhenItIsTheSame) {
    addOldNames({"x"});
    writeProperty(MainWindowNumber, 编辑框2, TextProperty, WholeValue, Text(std::string("x\r\n")));
    EXPECT_EQ(names(), std::vector<std::string>{"x"});
    EXPECT_TRUE(IsWindowEnabled(handle(按钮3)));

    EnableWindow(handle(按钮3), FALSE);
    writeProperty(MainWindowNumber, 编辑框2, TextProperty, WholeValue, Text(std::string("x\r\n")));
    EXPECT_TRUE(IsWindowEnabled(handle(按钮3))) << "the same text again still rebuilds and enables";
}

TEST_F(NamesBox, NameListFollowsWhatTheBoxHoldsAlsoForBytesThatAreNoCharacter) {
    // A lone lead byte is no character of the code page: the box holds such a line in a form of
    // its own, and NameList must be cut from exactly that.
    addOldNames({"ok", "bad\x81", "后"});
    click(按钮2);

    const std::string shown = shownText(编辑框2);
    std::vector<std::string> expected;
    const TextArray pieces = splitText(shown.c_str(), "\r\n");
    for (std::int32_t i = 1; i <= elementCount(pieces); ++i) expected.emplace_back(elementAt(pieces, i).view());
    EXPECT_EQ(names(), expected);
    EXPECT_EQ(names().front(), "ok");
}

TEST_F(NamesBox, OneLineBoxesKeepTheirTextAndFireTheirChangeToo) {
    writeProperty(MainWindowNumber, 编辑框1, TextProperty, WholeValue, Text(std::string("C:\\某个文件夹")));
    EXPECT_EQ(shownText(编辑框1), "C:\\某个文件夹");
    EXPECT_EQ(std::string(std::get<Text>(readProperty(MainWindowNumber, 编辑框1, TextProperty, WholeValue)).view()),
              "C:\\某个文件夹");
    writeProperty(MainWindowNumber, 编辑框1, TextProperty, WholeValue, Text());
    EXPECT_TRUE(std::get<Text>(readProperty(MainWindowNumber, 编辑框1, TextProperty, WholeValue)).isAbsent());
}

}  // namespace
