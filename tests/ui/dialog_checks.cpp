#include "dialog_checks.h"

#include <gtest/gtest.h>

#include <utility>

#include "shell/program.h"

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

void HelpRecorder::Record(HWND, const std::string& file, UINT command, ULONG_PTR context) {
    EXPECT_EQ(file, Program.HelpFolder + "\\pwhelp.hlp");
    requests_.emplace_back(command, context);
}
