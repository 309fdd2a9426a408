#include "driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "app/startup.h"
#include "shell/program.h"

namespace {

Driver* current = nullptr;

constexpr UINT kTickMilliseconds = 10;
// How long an unexpected modal window stays before it is cancelled.
constexpr int kUnexpectedTicks = 300;

BOOL CALLBACK CollectModal(HWND window, LPARAM found) {
    const std::string name = ClassName(window);
    if ((name == "#32770" || name == "#32768") && IsWindowVisible(window) && IsWindowEnabled(window))
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

// The innermost modal window of this thread: the visible, enabled dialog or
// popup menu (the windows below a modal one are disabled).
HWND InnermostModal() {
    std::vector<HWND> found;
    EnumThreadWindows(GetCurrentThreadId(), CollectModal, reinterpret_cast<LPARAM>(&found));
    return found.empty() ? nullptr : found.front();
}

void Dismiss(HWND window) {
    if (ClassName(window) == "#32768") {
        EndMenu();
        return;
    }
    ModalWindow(window).Click(GetDlgItem(window, IDCANCEL) ? IDCANCEL : GetDlgItem(window, IDNO) ? IDNO : IDOK);
}

}  // namespace

int ListRowCount(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

std::string ListCell(HWND list, int row, int column) {
    char text[260] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

std::vector<std::string> ListRow(HWND list, int row) {
    std::vector<std::string> cells;
    const int columns = static_cast<int>(SendMessageA(ListView_GetHeader(list), HDM_GETITEMCOUNT, 0, 0));
    for (int column = 0; column < columns; ++column) cells.push_back(ListCell(list, row, column));
    return cells;
}

std::vector<std::string> ColumnTexts(HWND list, int column) {
    std::vector<std::string> cells;
    for (int row = 0; row < ListRowCount(list); ++row) cells.push_back(ListCell(list, row, column));
    return cells;
}

void SelectListRow(HWND list, int row) {
    constexpr UINT kMarks = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(list, -1, 0, kMarks);
    if (row >= 0) ListView_SetItemState(list, row, kMarks, kMarks);
}

const std::string& TestFolder() {
    static const struct Folder {
        std::filesystem::path path = std::filesystem::temp_directory_path() /
                                     ("pennywhist-test-" + std::to_string(GetCurrentProcessId()));
        std::string text = path.string();
        Folder() { std::filesystem::create_directory(path); }
        ~Folder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    } folder;
    return folder.text;
}

std::string ModalWindow::Title() const { return WindowText(window_); }

std::string ModalWindow::Text(int control) const {
    HWND item = GetDlgItem(window_, control);
    return item != nullptr ? WindowText(item) : std::string();
}

bool ModalWindow::IsControlEnabled(int control) const { return IsWindowEnabled(GetDlgItem(window_, control)) != 0; }
bool ModalWindow::IsControlVisible(int control) const { return IsWindowVisible(GetDlgItem(window_, control)) != 0; }

void ModalWindow::SetText(int control, const char* text) { SetDlgItemTextA(window_, control, text); }

void ModalWindow::Click(int control) {
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(control, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window_, control)));
}

void ModalWindow::Choose(int radioButton) { SendMessageA(GetDlgItem(window_, radioButton), BM_CLICK, 0, 0); }

void ModalWindow::Select(int comboBox, int index) { SendDlgItemMessageA(window_, comboBox, CB_SETCURSEL, index, 0); }

void ModalWindow::Pick(int comboBox, int index) {
    Select(comboBox, index);
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(comboBox, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(window_, comboBox)));
}

void ModalWindow::SetDate(int datePicker, WORD year, WORD month, WORD day) {
    SYSTEMTIME date{year, month, 0, day, 0, 0, 0, 0};
    SendDlgItemMessageA(window_, datePicker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date));
}

Driver::Driver(const char* commandLine, Settings settings, std::vector<Action> atStart)
    : actions_(atStart.begin(), atStart.end()) {
    EXPECT_EQ(current, nullptr) << "one program at a time";
    if (settings == Settings::Fresh) RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
    current = this;
    timer_ = SetTimer(nullptr, 0, kTickMilliseconds, OnTimer);
    started_ = StartPennywhist(GetModuleHandleA(nullptr), commandLine);
    EXPECT_TRUE(started_) << "start-up failed";
    if (started_) Pump();
}

Driver::~Driver() {
    if (started_ && !ended_) FinishPennywhist();
    KillTimer(nullptr, timer_);
    current = nullptr;
    EXPECT_TRUE(actions_.empty()) << actions_.size() << " queued action(s) found no modal window";
    for (const std::string& window : unexpected_) ADD_FAILURE() << "unexpected modal window: " << window;
}

void Driver::OnModal(Action action) { actions_.push_back(std::move(action)); }

void Driver::OnModalNext(Action action) { actions_.push_front(std::move(action)); }

void Driver::Command(int command, std::vector<Action> modals) {
    for (Action& action : modals) OnModal(std::move(action));
    SendMessageA(App.frame, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    Pump();
}

void Driver::Click(ModalWindow& dialog, int button, std::vector<Action> modals) {
    for (auto action = modals.rbegin(); action != modals.rend(); ++action) OnModalNext(std::move(*action));
    dialog.Click(button);
}

void Driver::PressKey(UINT virtualKey, std::vector<UINT> modifiers) {
    BYTE keys[256] = {};
    for (UINT modifier : modifiers) keys[modifier] = 0x80;
    SetKeyboardState(keys);
    const HWND target = GetFocus() != nullptr ? GetFocus() : App.frame;
    PostMessageA(target, WM_KEYDOWN, virtualKey, 1);
    Pump();
    const BYTE released[256] = {};
    SetKeyboardState(const_cast<BYTE*>(released));
}

void Driver::Pump() {
    MSG message;
    while (!ended_ && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The loop would end here; keep the message for RunToEnd.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        HandleLoopMessage(message);
    }
}

int Driver::RunToEnd() {
    const int code = RunMessageLoop();
    FinishPennywhist();
    ended_ = true;
    return code;
}

void CALLBACK Driver::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (current != nullptr) current->Tick();
}

void Driver::Tick() {
    HWND modal = InnermostModal();
    if (modal == nullptr || std::find(acting_.begin(), acting_.end(), modal) != acting_.end()) {
        waitingOn_ = nullptr;
        return;
    }
    if (!actions_.empty()) {
        Action action = std::move(actions_.front());
        actions_.pop_front();
        acting_.push_back(modal);
        ModalWindow window(modal);
        action(window);
        acting_.pop_back();
        return;
    }
    if (modal != waitingOn_) {
        waitingOn_ = modal;
        waitedTicks_ = 0;
    }
    if (++waitedTicks_ < kUnexpectedTicks) return;
    ModalWindow window(modal);
    unexpected_.push_back("\"" + window.Title() + "\": " + window.MessageText());
    waitingOn_ = nullptr;
    Dismiss(modal);
}

Driver::Action AnswerMessage(std::string& shown, int button) {
    return [&shown, button](ModalWindow& box) {
        EXPECT_EQ(box.Title(), "Pennywhist");
        shown = box.MessageText();
        box.Click(button);
    };
}

Driver::Action ChooseFile(const std::string& path) {
    constexpr int kFileNameBox = 1148;  // the file name field of the common file dialogs
    return [path](ModalWindow& dialog) {
        dialog.SetText(kFileNameBox, path.c_str());
        dialog.Click(IDOK);
    };
}

void ExpectRefusal(Driver& driver, ModalWindow& dialog, int button, int focusBox) {
    HWND box = GetDlgItem(dialog.Handle(), focusBox);
    SetFocus(GetDlgItem(dialog.Handle(), IDCANCEL));
    std::string shown;
    driver.OnModalNext([&](ModalWindow& messageBox) {
        EXPECT_EQ(GetWindow(messageBox.Handle(), GW_OWNER), dialog.Handle());
        AnswerMessage(shown)(messageBox);
    });
    dialog.Click(button);
    EXPECT_NE(shown, "");
    EXPECT_TRUE(IsWindowVisible(dialog.Handle()));
    EXPECT_EQ(GetFocus(), box);
    DWORD start = 1, end = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(DWORD(0), DWORD(dialog.Text(focusBox).size())));
}

void HelpRecorder::Record(HWND, const std::string& file, UINT command, ULONG_PTR context) {
    EXPECT_EQ(file, Program.HelpFolder + "\\pwhelp.hlp");
    requests_.emplace_back(command, context);
}
