#include "FakeWindow.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "FatalError.h"
#include "Handlers.h"
#include "Platform.h"

namespace {

FakeWindow* currentWindow = nullptr;

struct OpenSearch {
    std::vector<std::string> entries;
    std::size_t next = 0;
};
std::map<SearchHandle, OpenSearch> searches;
SearchHandle nextHandle = 1;

std::string bytes(TextRef text) { return std::string(text.view()); }

Text textOrAbsent(const std::string& s) { return s.empty() ? Text() : Text(s); }

FakeControl& editBox(ControlNumber number) {
    FakeControl& c = FakeWindow::current().control(number);
    if (c.kind != FakeControl::Kind::Edit) reportFatalError("not an edit box");
    return c;
}

void fireTextChanged(ControlNumber number) {
    if (number != 编辑框2) return;
    FakeWindow::current().namesTextChangedCount++;
    onNamesTextChanged();
}

}  // namespace

FakeWindow::FakeWindow() {
    using K = FakeControl::Kind;
    for (ControlNumber n : {编辑框1, 编辑框2, 编辑框3, 编辑框4, 编辑框5, 编辑框6}) controls_[n] = FakeControl{K::Edit, "", false, {}};
    controls_[列表框1] = FakeControl{K::ListBox, "", false, {}};
    for (ControlNumber n : {按钮1, 按钮2, 按钮3}) controls_[n] = FakeControl{K::Button, "", false, {}};
    for (ControlNumber n : {标签1, 标签2, 标签3, 标签4, 标签5, 标签6}) controls_[n] = FakeControl{K::Label, "", false, {}};
    controls_[按钮3].disabled = true;
    currentWindow = this;
}

FakeWindow::~FakeWindow() {
    currentWindow = nullptr;
    searches.clear();
}

FakeWindow& FakeWindow::current() {
    if (!currentWindow) throw std::logic_error("no FakeWindow exists");
    return *currentWindow;
}

FakeControl& FakeWindow::control(ControlNumber number) {
    auto it = controls_.find(number);
    if (it == controls_.end()) reportFatalError("no such control");
    return it->second;
}

void FakeWindow::type(ControlNumber number, const std::string& text) {
    editBox(number).text = text;
    fireTextChanged(number);
}

std::vector<std::string> FakeWindow::messageTexts() const {
    std::vector<std::string> texts;
    for (const Message& m : messages) texts.push_back(m.text);
    return texts;
}

int FakeWindow::openSearches() const { return static_cast<int>(searches.size()); }

std::string hostPath(const std::string& workflowPath) {
    std::string path = workflowPath;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

// --- Platform.h ---------------------------------------------------------------------------

void reportFatalError(TextRef what) { throw FatalErrorReported{bytes(what)}; }

PropertyValue readProperty(WindowNumber window, ControlNumber number, PropertyNumber property,
                           std::int32_t selector) {
    if (window != MainWindowNumber || selector != WholeValue) reportFatalError("bad property address");
    FakeWindow::current().calls.push_back("read " + std::to_string(number));
    if (property == DisabledProperty) return std::int32_t{FakeWindow::current().disabled(number) ? 1 : 0};
    if (property == TextProperty) return textOrAbsent(editBox(number).text);
    reportFatalError("no such property");
}

void writeProperty(WindowNumber window, ControlNumber number, PropertyNumber property,
                   std::int32_t selector, const PropertyValue& value) {
    if (window != MainWindowNumber || selector != WholeValue) reportFatalError("bad property address");
    FakeWindow& w = FakeWindow::current();
    w.calls.push_back("write " + std::to_string(number));
    if (property == DisabledProperty) {
        w.control(number).disabled = std::get<std::int32_t>(value) != 0;
    } else if (property == TextProperty) {
        editBox(number).text = bytes(std::get<Text>(value));
        fireTextChanged(number);
    } else {
        reportFatalError("no such property");
    }
}

void appendEditText(ControlNumber number, TextRef text) {
    FakeWindow::current().calls.push_back("append " + std::to_string(number));
    editBox(number).text += bytes(text);
    fireTextChanged(number);
}

std::int32_t listBoxCount(ControlNumber listBox) {
    return static_cast<std::int32_t>(FakeWindow::current().items(listBox).size());
}

Text listBoxItemText(ControlNumber listBox, std::int32_t position) {
    const auto& items = FakeWindow::current().items(listBox);
    if (position < 0 || position >= static_cast<std::int32_t>(items.size())) return Text();
    return textOrAbsent(items[static_cast<std::size_t>(position)]);
}

std::int32_t listBoxAddItem(ControlNumber listBox, TextRef text) {
    auto& items = FakeWindow::current().items(listBox);
    items.push_back(bytes(text));
    return static_cast<std::int32_t>(items.size()) - 1;
}

void listBoxClear(ControlNumber listBox) {
    FakeWindow::current().calls.push_back("listBoxClear");
    FakeWindow::current().items(listBox).clear();
}

void showMessage(TextRef message) {
    FakeWindow& w = FakeWindow::current();
    w.calls.push_back("showMessage");
    w.messages.push_back({bytes(message), w.disabled(按钮3)});
}

Text chooseFolder(TextRef prompt) {
    FakeWindow& w = FakeWindow::current();
    w.calls.push_back("chooseFolder " + bytes(prompt));
    return textOrAbsent(w.pickerResult);
}

// Entries as the directory search delivers them: "." and ".." first, then the names in byte
// order; only those whose kind matches the mask (16: folders).
Text searchDirectory(TextRef pattern, std::int32_t attributeMask, SearchHandle& handle) {
    if (pattern.length() != 0) {
        FakeWindow::current().calls.push_back("searchDirectory " + bytes(pattern));
        closeDirectorySearch(handle);
        std::string path = hostPath(bytes(pattern));
        const std::string suffix = "/*.*";
        if (path.size() < suffix.size() || path.compare(path.size() - suffix.size(), suffix.size(), suffix) != 0) {
            return Text();
        }
        path.resize(path.size() - suffix.size());
        if (path.empty()) path = "/";
        DIR* dir = opendir(path.c_str());
        if (!dir) return Text();
        OpenSearch search;
        std::vector<std::string> names;
        while (dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name == "." || name == "..") continue;
            struct stat info {};
            if (stat((path + "/" + name).c_str(), &info) != 0) continue;
            const bool isFolder = S_ISDIR(info.st_mode);
            if ((attributeMask & DirectoryAttribute) && isFolder) names.push_back(name);
        }
        closedir(dir);
        std::sort(names.begin(), names.end());
        search.entries = {".", ".."};
        search.entries.insert(search.entries.end(), names.begin(), names.end());
        handle = nextHandle++;
        searches[handle] = std::move(search);
    }
    auto it = searches.find(handle);
    if (handle == 0 || it == searches.end()) return Text();
    if (it->second.next == it->second.entries.size()) {
        closeDirectorySearch(handle);
        return Text();
    }
    return Text(it->second.entries[it->second.next++]);
}

void closeDirectorySearch(SearchHandle& handle) {
    if (handle == 0) return;
    searches.erase(handle);
    handle = 0;
}

bool moveFile(TextRef from, TextRef to) {
    FakeWindow& w = FakeWindow::current();
    const std::string source = bytes(from);
    const std::string target = bytes(to);
    w.calls.push_back("moveFile " + source + " -> " + target);
    if (w.beforeMove) w.beforeMove(source, target);
    // Like the Windows move: never replaces what is already at the target.
    return renameat2(AT_FDCWD, hostPath(source).c_str(), AT_FDCWD, hostPath(target).c_str(),
                     RENAME_NOREPLACE) == 0;
}
