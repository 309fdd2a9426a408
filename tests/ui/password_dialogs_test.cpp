// The Password and Enter password dialogs wired to the password rules: a
// refusal shows its message and keeps the dialog open with the focus and the
// selection on the right box, and only an accepted OK changes the document.
// The rules themselves are unit-tested natively.

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "shell/program.h"
#include "dialogs/enter_password_dialog.h"
#include "dialogs/password_dialog.h"
#include "dialog_checks.h"
#include "driver.h"
#include "resources/resource.h"

namespace {

const std::string kThirty = "abcdefghijklmnopqrstuvwxyz0123";  // 30 characters
const std::string kForty = kThirty + "456789ABCD";

HWND Box(ModalWindow& dialog, int control) { return GetDlgItem(dialog.Handle(), control); }

// Types into a box key by key, as a user does (a length limit would stop it).
void Type(ModalWindow& dialog, int control, const std::string& text) {
    SetWindowTextA(Box(dialog, control), "");
    for (char c : text) SendMessageA(Box(dialog, control), WM_CHAR, static_cast<unsigned char>(c), 1);
}

}  // namespace

TEST(PasswordDialog, WithoutAPasswordTheCurrentBoxIsDisabledAndIgnored) {
    Driver driver;
    driver.OnModal([&](ModalWindow& dialog) {
        EXPECT_FALSE(dialog.IsControlEnabled(IDC_CURRENT_PASSWORD));
        EXPECT_EQ(GetFocus(), Box(dialog, IDC_NEW_PASSWORD));
        dialog.SetText(IDC_CURRENT_PASSWORD, "stray");  // a disabled box reads as empty
        Type(dialog, IDC_NEW_PASSWORD, "Secret");
        Type(dialog, IDC_VERIFY_PASSWORD, "secret");
        ExpectRefusal(driver, dialog, IDOK, "Passwords do not match.", IDC_NEW_PASSWORD);
        EXPECT_TRUE(Program.document.password.empty());
        Type(dialog, IDC_VERIFY_PASSWORD, "Secret");
        dialog.Click(IDOK);  // silently: the driver fails the test on any message
    });
    EXPECT_EQ(ShowPasswordDialog(App.frame), 1);
    EXPECT_EQ(Program.document.password, Text31("Secret"));
}

TEST(PasswordDialog, AnExistingPasswordMustBeTypedToChangeOrClearIt) {
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
        EXPECT_EQ(GetFocus(), Box(dialog, IDC_CURRENT_PASSWORD));  // enabled, and first
        // The current password is checked first, and case counts.
        Type(dialog, IDC_CURRENT_PASSWORD, "secret");
        Type(dialog, IDC_NEW_PASSWORD, "Other");
        Type(dialog, IDC_VERIFY_PASSWORD, "other");
        ExpectRefusal(driver, dialog, IDOK, "Password is incorrect.", IDC_CURRENT_PASSWORD);
        Type(dialog, IDC_CURRENT_PASSWORD, "Secret");
        ExpectRefusal(driver, dialog, IDOK, "Passwords do not match.", IDC_NEW_PASSWORD);
        EXPECT_EQ(Program.document.password, Text31("Secret"));
        Type(dialog, IDC_VERIFY_PASSWORD, "Other");
        dialog.Click(IDOK);
    });
    EXPECT_EQ(ShowPasswordDialog(App.frame), 1);
    EXPECT_EQ(Program.document.password, Text31("Other"));

    std::string message;
    driver.OnModal([&](ModalWindow& dialog) {
        Type(dialog, IDC_CURRENT_PASSWORD, "Other");
        driver.OnModalNext(AnswerMessage(message));
        dialog.Click(IDOK);
    });
    EXPECT_EQ(ShowPasswordDialog(App.frame), 1);
    EXPECT_EQ(message, "Password cleared.");
    EXPECT_TRUE(Program.document.password.empty());
}

TEST(PasswordDialogs, ALongPasswordIsItsFirstThirtyCharactersAndOpensTheFile) {
    Driver driver;
    driver.OnModal([&](ModalWindow& dialog) {
        Type(dialog, IDC_NEW_PASSWORD, kForty);
        Type(dialog, IDC_VERIFY_PASSWORD, kForty);
        EXPECT_EQ(dialog.Text(IDC_NEW_PASSWORD), kForty);  // the boxes take any length
        dialog.Click(IDOK);
    });
    EXPECT_EQ(ShowPasswordDialog(App.frame), 1);
    EXPECT_EQ(Program.document.password, Text31(kThirty));

    // Enter password refuses the wrong case as often as it is typed, then takes the right text.
    Program.OpeningPassword = Program.document.password;
    driver.OnModal([&](ModalWindow& dialog) {
        EXPECT_EQ(GetFocus(), Box(dialog, IDC_OPENING_PASSWORD));
        for (int attempt = 0; attempt < 2; ++attempt) {
            Type(dialog, IDC_OPENING_PASSWORD, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789ABCD");
            ExpectRefusal(driver, dialog, IDOK, "Password is incorrect.", IDC_OPENING_PASSWORD);
        }
        Type(dialog, IDC_OPENING_PASSWORD, kForty);
        dialog.Click(IDOK);
    });
    EXPECT_EQ(ShowEnterPasswordDialog(App.frame), 1);
}
