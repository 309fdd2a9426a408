#include "dialog_checks.h"

#include <gtest/gtest.h>

#include <utility>

#include "shell/help.h"

Driver::Action AnswerMessage(std::string& shown, int button) {
    return [&shown, button](ModalWindow& box) {
        EXPECT_EQ(box.Title(), "Pennywhist");
        shown = box.MessageText();
        box.Click(button);
    };
}

void ExpectRefusal(Driver& driver, ModalWindow& dialog, int button, const std::string& message, int focusBox) {
    HWND box = GetDlgItem(dialog.Handle(), focusBox);
    SetFocus(GetDlgItem(dialog.Handle(), IDCANCEL));
    std::string shown;
    driver.OnModalNext([&](ModalWindow& messageBox) {
        EXPECT_EQ(GetWindow(messageBox.Handle(), GW_OWNER), dialog.Handle());
        AnswerMessage(shown)(messageBox);
    });
    dialog.Click(button);
    EXPECT_EQ(shown, message);
    EXPECT_TRUE(IsWindowVisible(dialog.Handle())) << message;
    EXPECT_EQ(GetFocus(), box) << message;
    DWORD start = 1, end = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(DWORD(0), DWORD(dialog.Text(focusBox).size()))) << message;
}

namespace {

std::vector<HelpRecorder::Request> recorded;

void Record(HWND, const std::string& file, UINT command, ULONG_PTR context) {
    recorded.push_back({file, command, context});
}

}  // namespace

HelpRecorder::HelpRecorder() {
    recorded.clear();
    SetHelpEngine(Record);
}

HelpRecorder::~HelpRecorder() { SetHelpEngine(nullptr); }

std::vector<HelpRecorder::Request> HelpRecorder::Take() { return std::exchange(recorded, {}); }
