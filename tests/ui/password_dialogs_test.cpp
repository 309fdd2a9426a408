// The Password and Enter password dialogs: their templates, the refusals that
// keep them open with the focus and selection on the right box, their
// messages, and the password they leave in the document.

#include <windows.h>
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "app/main_window.h"
#include "dialogs/enter_password_dialog.h"
#include "dialogs/password_dialog.h"
#include "driver.h"
#include "resources/resource.h"

namespace {

const std::string kThirty = "abcdefghijklmnopqrstuvwxyz0123";  // 30 characters
const std::string kForty = kThirty + "456789ABCD";

HWND Box(ModalWindow& dialog, int control) { return GetDlgItem(dialog.Handle(), control); }

// Types into a box key by key, as a user does (a length limit would stop it).
void Type(ModalWindow& dialog, int control, const std::string& text) {
    HWND box = Box(dialog, control);
    SetWindowTextA(box, "");
    for (char c : text) SendMessageA(box, WM_CHAR, static_cast<unsigned char>(c), 1);
}

std::pair<DWORD, DWORD> Selection(HWND box) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

LONG Style(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::vector<HWND> Children(HWND dialog) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

// The texts of the dialog's labels, in template order.
std::vector<std::string> Labels(HWND dialog) {
    std::vector<std::string> labels;
    for (HWND child : Children(dialog))
        if (ClassOf(child) == "Static") labels.push_back(WindowText(child));
    return labels;
}

// A message box's icon, from its icon static (its id differs between Windows and Wine).
HICON IconOf(HWND box) {
    for (HWND child : Children(box))
        if (ClassOf(child) == "Static" && (Style(child) & SS_TYPEMASK) == SS_ICON)
            return reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    return nullptr;
}

HICON Exclamation() { return LoadIconA(nullptr, IDI_EXCLAMATION); }
HICON Information() { return LoadIconA(nullptr, IDI_INFORMATION); }

struct Message {
    bool shown = false;
    std::string title;
    std::string text;
    HICON icon = nullptr;
    HWND owner = nullptr;
};

// The next modal window is a message box: record it and press OK.
void OnMessage(Driver& driver, Message& message) {
    driver.OnModal([&message](ModalWindow& box) {
        message = {true, box.Title(), box.MessageText(), IconOf(box.Handle()), GetWindow(box.Handle(), GW_OWNER)};
        box.Click(IDOK);
    });
}

// Clicks OK expecting a refusal: the message, then the dialog still open with
// the focus on `focusBox` and its whole text selected. The focus is put on
// the OK button first, so that the refusal has to move it.
void ExpectRefusal(Driver& driver, ModalWindow& dialog, const char* text, int focusBox) {
    SetFocus(Box(dialog, IDOK));
    const std::string typed = WindowText(Box(dialog, focusBox));
    Message message;
    OnMessage(driver, message);
    dialog.Click(IDOK);
    ASSERT_TRUE(message.shown) << text;
    EXPECT_EQ(message.title, "Pennywhist");
    EXPECT_EQ(message.text, text);
    EXPECT_EQ(message.icon, Exclamation());
    EXPECT_EQ(message.owner, dialog.Handle());
    EXPECT_TRUE(IsWindowVisible(dialog.Handle()));
    EXPECT_EQ(GetFocus(), Box(dialog, focusBox));
    EXPECT_EQ(Selection(Box(dialog, focusBox)), std::make_pair(DWORD(0), DWORD(typed.size())));
}

}  // namespace

TEST(PasswordDialog, TemplateBoxesButtonsAndTabOrder) {
    Driver driver;
    Program.document.password = "Secret";
    driver.OnModal([&](ModalWindow& dialog) {
        EXPECT_EQ(dialog.Title(), "Password");
        EXPECT_EQ(Labels(dialog.Handle()), (std::vector<std::string>{"Current", "New", "Verify"}));
        for (int control : {IDC_CURRENT_PASSWORD, IDC_NEW_PASSWORD, IDC_VERIFY_PASSWORD}) {
            HWND box = Box(dialog, control);
            ASSERT_NE(box, nullptr) << control;
            EXPECT_EQ(ClassOf(box), "Edit");
            EXPECT_TRUE(Style(box) & ES_PASSWORD) << control;
            EXPECT_TRUE(Style(box) & ES_AUTOHSCROLL) << control;
            EXPECT_FALSE(Style(box) & ES_MULTILINE) << control;
            EXPECT_TRUE(dialog.IsControlEnabled(control)) << control;
            EXPECT_EQ(dialog.Text(control), "");
        }
        EXPECT_EQ(dialog.Text(IDOK), "OK");
        EXPECT_EQ(dialog.Text(IDCANCEL), "Cancel");
        EXPECT_EQ(SendMessageA(dialog.Handle(), DM_GETDEFID, 0, 0), MAKELRESULT(IDOK, DC_HASDEFID));

        // With a password the focus starts in the current box.
        EXPECT_EQ(GetFocus(), Box(dialog, IDC_CURRENT_PASSWORD));
        const int order[] = {IDC_CURRENT_PASSWORD, IDC_NEW_PASSWORD, IDC_VERIFY_PASSWORD, IDOK, IDCANCEL,
                             IDC_CURRENT_PASSWORD};
        for (std::size_t i = 0; i + 1 < std::size(order); ++i)
            EXPECT_EQ(GetNextDlgTabItem(dialog.Handle(), Box(dialog, order[i]), FALSE), Box(dialog, order[i + 1]))
                << "after " << order[i];
        dialog.Click(IDCANCEL);
    });
    EXPECT_EQ(ShowPasswordDialog(App.frame), 2);
    EXPECT_EQ(Program.document.password, Text31("Secret"));
}

TEST(PasswordDialog, WithoutPasswordTheCurrentBoxIsDisabledAndEmptyBoxesKeepItSo) {
    Driver driver;
    Program.document.password = "";
    driver.OnModal([&](ModalWindow& dialog) {
        EXPECT_FALSE(dialog.IsControlEnabled(IDC_CURRENT_PASSWORD));
        EXPECT_TRUE(dialog.IsControlEnabled(IDC_NEW_PASSWORD));
        EXPECT_TRUE(dialog.IsControlEnabled(IDC_VERIFY_PASSWORD));
        EXPECT_EQ(GetFocus(), Box(dialog, IDC_NEW_PASSWORD));
        // Tab skips the disabled box.
        EXPECT_EQ(GetNextDlgTabItem(dialog.Handle(), Box(dialog, IDCANCEL), FALSE), Box(dialog, IDC_NEW_PASSWORD));
        dialog.Click(IDOK);  // no message: the driver fails the test on any
    });
    EXPECT_EQ(ShowPasswordDialog(App.frame), 1);
    EXPECT_TRUE(Program.document.password.empty());
}

TEST(PasswordDialog, TwoEqualTextsSetThePasswordSilently) {
    Driver driver;
    Program.document.password = "";
    driver.OnModal([&](ModalWindow& dialog) {
        Type(dialog, IDC_NEW_PASSWORD, "Secret");
        Type(dialog, IDC_VERIFY_PASSWORD, "Secret");
        dialog.Click(IDOK);
    });
    EXPECT_EQ(ShowPasswordDialog(App.frame), 1);
    EXPECT_EQ(Program.document.password, Text31("Secret"));
}

TEST(PasswordDialog, DisabledCurrentBoxReadsAsEmpty) {
    Driver driver;
    Program.document.password = "";
    driver.OnModal([&](ModalWindow& dialog) {
        dialog.SetText(IDC_CURRENT_PASSWORD, "stray");
        Type(dialog, IDC_NEW_PASSWORD, "abc");
        Type(dialog, IDC_VERIFY_PASSWORD, "abc");
        dialog.Click(IDOK);
    });
    EXPECT_EQ(ShowPasswordDialog(App.frame), 1);
    EXPECT_EQ(Program.document.password, Text31("abc"));
}

TEST(PasswordDialog, DifferingNewTextsAreRefusedWithTheNewBoxSelected) {
    Driver driver;
    Program.document.password = "";
    driver.OnModal([&](ModalWindow& dialog) {
        Type(dialog, IDC_NEW_PASSWORD, "Secret");
        Type(dialog, IDC_VERIFY_PASSWORD, "secret");  // case counts
        ExpectRefusal(driver, dialog, "Passwords do not match.", IDC_NEW_PASSWORD);
        EXPECT_TRUE(Program.document.password.empty());

        Type(dialog, IDC_VERIFY_PASSWORD, "");
        ExpectRefusal(driver, dialog, "Passwords do not match.", IDC_NEW_PASSWORD);

        Type(dialog, IDC_VERIFY_PASSWORD, "Secret");
        dialog.Click(IDOK);
    });
    EXPECT_EQ(ShowPasswordDialog(App.frame), 1);
    EXPECT_EQ(Program.document.password, Text31("Secret"));
}

TEST(PasswordDialog, WrongCurrentPasswordIsRefusedWithItsTextSelected) {
    Driver driver;
    Program.document.password = "Secret";
    driver.OnModal([&](ModalWindow& dialog) {
        Type(dialog, IDC_NEW_PASSWORD, "Other");
        Type(dialog, IDC_VERIFY_PASSWORD, "Other");
        Type(dialog, IDC_CURRENT_PASSWORD, "secret");  // case counts
        ExpectRefusal(driver, dialog, "Password is incorrect.", IDC_CURRENT_PASSWORD);
        EXPECT_EQ(Program.document.password, Text31("Secret"));

        Type(dialog, IDC_CURRENT_PASSWORD, "");  // a set password must be typed
        ExpectRefusal(driver, dialog, "Password is incorrect.", IDC_CURRENT_PASSWORD);

        // The current password is checked before the new ones.
        Type(dialog, IDC_CURRENT_PASSWORD, "Secre");
        Type(dialog, IDC_VERIFY_PASSWORD, "other");
        ExpectRefusal(driver, dialog, "Password is incorrect.", IDC_CURRENT_PASSWORD);

        Type(dialog, IDC_CURRENT_PASSWORD, "Secret");
        ExpectRefusal(driver, dialog, "Passwords do not match.", IDC_NEW_PASSWORD);
        EXPECT_EQ(Program.document.password, Text31("Secret"));

        Type(dialog, IDC_VERIFY_PASSWORD, "Other");
        dialog.Click(IDOK);
    });
    EXPECT_EQ(ShowPasswordDialog(App.frame), 1);
    EXPECT_EQ(Program.document.password, Text31("Other"));
}

TEST(PasswordDialog, EmptyNewTextsClearThePasswordAndSaySo) {
    Driver driver;
    Program.document.password = "Secret";
    Message message;
    driver.OnModal([&](ModalWindow& dialog) {
        Type(dialog, IDC_CURRENT_PASSWORD, "Secret");
        OnMessage(driver, message);
        dialog.Click(IDOK);
    });
    EXPECT_EQ(ShowPasswordDialog(App.frame), 1);
    ASSERT_TRUE(message.shown);
    EXPECT_EQ(message.title, "Pennywhist");
    EXPECT_EQ(message.text, "Password cleared.");
    EXPECT_EQ(message.icon, Information());
    EXPECT_EQ(Program.document.password, Text31());
}

TEST(PasswordDialog, CancelAndCloseChangeNothing) {
    Driver driver;
    Program.document.password = "Secret";
    driver.OnModal([&](ModalWindow& dialog) {
        Type(dialog, IDC_CURRENT_PASSWORD, "Secret");
        Type(dialog, IDC_NEW_PASSWORD, "Other");
        Type(dialog, IDC_VERIFY_PASSWORD, "Other");
        dialog.Click(IDCANCEL);
    });
    EXPECT_EQ(ShowPasswordDialog(App.frame), 2);
    EXPECT_EQ(Program.document.password, Text31("Secret"));

    driver.OnModal([&](ModalWindow& dialog) {
        Type(dialog, IDC_CURRENT_PASSWORD, "Secret");
        SendMessageA(dialog.Handle(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(ShowPasswordDialog(App.frame), 2);
    EXPECT_EQ(Program.document.password, Text31("Secret"));
}

TEST(PasswordDialog, LongPasswordIsStoredAsItsFirstThirtyCharactersAndOpensTheFile) {
    Driver driver;
    Program.document.password = "";
    driver.OnModal([&](ModalWindow& dialog) {
        Type(dialog, IDC_NEW_PASSWORD, kForty);
        Type(dialog, IDC_VERIFY_PASSWORD, kForty);
        EXPECT_EQ(dialog.Text(IDC_NEW_PASSWORD), kForty);  // the boxes take any length
        dialog.Click(IDOK);
    });
    EXPECT_EQ(ShowPasswordDialog(App.frame), 1);
    EXPECT_EQ(Program.document.password, Text31(kThirty));

    // The same long text is the right current password, and opens the file.
    driver.OnModal([&](ModalWindow& dialog) {
        Type(dialog, IDC_CURRENT_PASSWORD, kForty);
        Type(dialog, IDC_NEW_PASSWORD, kForty);
        Type(dialog, IDC_VERIFY_PASSWORD, kForty);
        dialog.Click(IDOK);
    });
    EXPECT_EQ(ShowPasswordDialog(App.frame), 1);

    Program.OpeningPassword = Program.document.password;
    driver.OnModal([&](ModalWindow& dialog) {
        Type(dialog, IDC_OPENING_PASSWORD, kForty);
        EXPECT_EQ(dialog.Text(IDC_OPENING_PASSWORD), kForty);
        dialog.Click(IDOK);
    });
    EXPECT_EQ(ShowEnterPasswordDialog(App.frame), 1);
}

TEST(EnterPasswordDialog, TemplateAndFocus) {
    Driver driver;
    Program.OpeningPassword = "Secret";
    driver.OnModal([&](ModalWindow& dialog) {
        EXPECT_EQ(dialog.Title(), "Password");
        EXPECT_EQ(Labels(dialog.Handle()), std::vector<std::string>{"Enter the file's password..."});
        HWND box = Box(dialog, IDC_OPENING_PASSWORD);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(ClassOf(box), "Edit");
        EXPECT_TRUE(Style(box) & ES_PASSWORD);
        EXPECT_TRUE(Style(box) & ES_AUTOHSCROLL);
        EXPECT_EQ(GetFocus(), box);
        EXPECT_EQ(dialog.Text(IDOK), "OK");
        EXPECT_EQ(dialog.Text(IDCANCEL), "Cancel");
        EXPECT_EQ(SendMessageA(dialog.Handle(), DM_GETDEFID, 0, 0), MAKELRESULT(IDOK, DC_HASDEFID));
        EXPECT_EQ(GetNextDlgTabItem(dialog.Handle(), box, FALSE), Box(dialog, IDOK));
        EXPECT_EQ(GetNextDlgTabItem(dialog.Handle(), Box(dialog, IDCANCEL), FALSE), box);
        dialog.Click(IDCANCEL);
    });
    EXPECT_EQ(ShowEnterPasswordDialog(App.frame), 2);
}

TEST(EnterPasswordDialog, WrongTextIsRefusedAsOftenAsTypedUntilRight) {
    Driver driver;
    Program.OpeningPassword = "Secret";
    driver.OnModal([&](ModalWindow& dialog) {
        for (const char* wrong : {"secret", "SECRET", "", "Secret ", "Secre"}) {
            Type(dialog, IDC_OPENING_PASSWORD, wrong);
            ExpectRefusal(driver, dialog, "Password is incorrect.", IDC_OPENING_PASSWORD);
        }
        Type(dialog, IDC_OPENING_PASSWORD, "Secret");
        dialog.Click(IDOK);
    });
    EXPECT_EQ(ShowEnterPasswordDialog(App.frame), 1);
}
