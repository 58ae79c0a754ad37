#pragma once
// An in-memory stand-in for MainWindow and the dialogs, behind the operations of Platform.h,
// so that the handlers run without a real window. The file system is real: directory searches
// and moves act on folders on disk ("\" in a path is read as "/").

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Controls.h"
#include "Text.h"

// Thrown by the stand-in's reportFatalError, so that a test can see the program would end.
struct FatalErrorReported {
    std::string what;
};

struct FakeControl {
    enum class Kind { Edit, ListBox, Button, Label } kind;
    std::string text;  // edit boxes
    bool disabled = false;
    std::vector<std::string> items;  // list box
};

class FakeWindow {
public:
    // MainWindow as start-up leaves it: every control empty and enabled but 按钮3, and the
    // text-changed event of 编辑框2 bound to onNamesTextChanged.
    FakeWindow();
    ~FakeWindow();

    FakeControl& control(ControlNumber number);
    std::string text(ControlNumber editBox) { return control(editBox).text; }
    bool disabled(ControlNumber control) { return this->control(control).disabled; }
    std::vector<std::string>& items(ControlNumber listBox) { return control(listBox).items; }

    // Changes an edit box as the user's typing would: the text-changed event fires.
    void type(ControlNumber editBox, const std::string& text);

    // What the next folder picker gives.
    std::string pickerResult;

    // Every message shown, in order, and 按钮3's disabled state when each was shown.
    struct Message {
        std::string text;
        bool button3DisabledBefore;
    };
    std::vector<Message> messages;
    std::vector<std::string> messageTexts() const;

    // The platform calls in order, one line each ("chooseFolder ...", "listBoxClear", ...).
    std::vector<std::string> calls;

    // How often the text-changed event of 编辑框2 fired.
    int namesTextChangedCount = 0;

    // Directory searches still open.
    int openSearches() const;

    // Runs instead of the default when a move is asked for (to change the disk meanwhile).
    std::function<void(const std::string& from, const std::string& to)> beforeMove;

    static FakeWindow& current();

private:
    std::map<ControlNumber, FakeControl> controls_;
};

// A path of the workflow ("\" as separator) as a path on this machine.
std::string hostPath(const std::string& workflowPath);
