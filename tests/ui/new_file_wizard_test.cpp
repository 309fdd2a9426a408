// The New Pennywhist File wizard: step 1 sets up accounts and opens the
// others, each step ticks itself and hands the default button on, and the
// wizard ends with 1 on "Done!" and with 2 when cancelled or closed.

#include <windows.h>
#include <gtest/gtest.h>

#include "shell/program.h"
#include "dialogs/new_file_wizard.h"
#include "driver.h"
#include "resources/resource.h"

namespace {

// The button Enter presses when the focus is not on a push button; 0 for none.
int DefaultButton(const ModalWindow& wizard) {
    const LRESULT result = SendMessageA(wizard.Handle(), DM_GETDEFID, 0, 0);
    return HIWORD(result) == DC_HASDEFID ? LOWORD(result) : 0;
}

int FocusedControl() { return GetDlgCtrlID(GetFocus()); }

// Answers step 1: New Account (a Cash account), Account Details (its name),
// then "another account?" with `another`.
void AnswerAccountStep(Driver& driver, const char* name, int another) {
    driver.OnModal([](ModalWindow& dialog) {
        EXPECT_EQ(dialog.Title(), "New Account");
        SendDlgItemMessageA(dialog.Handle(), IDC_TYPE_CASH, BM_CLICK, 0, 0);
        dialog.Click(IDOK);
    });
    driver.OnModal([name](ModalWindow& details) {
        EXPECT_EQ(details.Title(), "Account Details");
        details.SetText(IDC_ACCOUNT_NAME, name);
        details.Click(IDOK);
    });
    driver.OnModal([another](ModalWindow& question) {
        EXPECT_EQ(question.MessageText(), "Do you want to setup another account?");
        question.Click(another);
    });
}

}  // namespace

TEST(NewFileWizard, StartsWithOnlyStepOneAndEndsWithTwoWhenCancelledOrClosed) {
    Driver driver;
    driver.OnModal([](ModalWindow& wizard) {
        EXPECT_EQ(wizard.Title(), "New Pennywhist File");
        EXPECT_EQ(wizard.Text(IDC_STEP_ACCOUNTS), "Step 1:  Setup your accounts                 ");
        EXPECT_EQ(wizard.Text(IDC_STEP_CATEGORIES), "Step 2:  Configure categories (Optional) ");
        EXPECT_EQ(wizard.Text(IDC_STEP_BILLS_DEPOSITS), "Step 3:  Setup Bills && Deposits (Optional)");
        EXPECT_EQ(wizard.Text(IDC_STEP_PASSWORD), "Step 4:  Configure password (Optional)   ");
        EXPECT_EQ(wizard.Text(IDOK), "Done!");

        EXPECT_TRUE(wizard.IsControlEnabled(IDC_STEP_ACCOUNTS));
        for (int control : {IDC_STEP_CATEGORIES, IDC_STEP_BILLS_DEPOSITS, IDC_STEP_PASSWORD, IDOK})
            EXPECT_FALSE(wizard.IsControlEnabled(control)) << control;
        for (int tick : {IDC_TICK_ACCOUNTS, IDC_TICK_CATEGORIES, IDC_TICK_BILLS_DEPOSITS, IDC_TICK_PASSWORD,
                         IDC_TICK_DONE})
            EXPECT_FALSE(wizard.IsControlVisible(tick)) << tick;
        EXPECT_EQ(DefaultButton(wizard), IDC_STEP_ACCOUNTS);
        EXPECT_EQ(FocusedControl(), IDC_STEP_ACCOUNTS);
        wizard.Click(IDCANCEL);
    });
    EXPECT_EQ(ShowNewFileWizard(App.frame), 2);

    // Step 1 counts only when an account was made: cancelled, the others stay disabled.
    driver.OnModal([](ModalWindow& wizard) {
        wizard.Click(IDC_STEP_ACCOUNTS);
        EXPECT_FALSE(wizard.IsControlEnabled(IDOK));
        EXPECT_FALSE(wizard.IsControlVisible(IDC_TICK_ACCOUNTS));
        // The close box, after step 1 has enabled Done!.
        wizard.Click(IDC_STEP_ACCOUNTS);
        EXPECT_TRUE(wizard.IsControlEnabled(IDOK));
        PostMessageA(wizard.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    driver.OnModal([](ModalWindow& dialog) { dialog.Click(IDCANCEL); });
    AnswerAccountStep(driver, "Wallet", IDNO);
    EXPECT_EQ(ShowNewFileWizard(App.frame), 2);
    EXPECT_EQ(Program.document.AccountCount(), 1);
}

TEST(NewFileWizard, EachStepTicksItselfAndHandsOnTheDefault) {
    Driver driver;
    bool passwordOpened = false;
    driver.OnModal([&](ModalWindow& wizard) {
        wizard.Click(IDC_STEP_ACCOUNTS);
        for (int control : {IDC_STEP_CATEGORIES, IDC_STEP_BILLS_DEPOSITS, IDC_STEP_PASSWORD, IDOK})
            EXPECT_TRUE(wizard.IsControlEnabled(control)) << control;
        EXPECT_TRUE(wizard.IsControlVisible(IDC_TICK_ACCOUNTS));
        EXPECT_TRUE(wizard.IsControlVisible(IDC_TICK_DONE));
        EXPECT_FALSE(wizard.IsControlVisible(IDC_TICK_CATEGORIES));
        EXPECT_EQ(DefaultButton(wizard), IDC_STEP_CATEGORIES);
        EXPECT_EQ(FocusedControl(), IDC_STEP_CATEGORIES);

        // Step 4 opens the Password dialog, cancelled by the next action; it still counts as done.
        const struct {
            int step, tick, next;
        } steps[] = {{IDC_STEP_CATEGORIES, IDC_TICK_CATEGORIES, IDC_STEP_BILLS_DEPOSITS},
                     {IDC_STEP_BILLS_DEPOSITS, IDC_TICK_BILLS_DEPOSITS, IDC_STEP_PASSWORD},
                     {IDC_STEP_PASSWORD, IDC_TICK_PASSWORD, IDOK}};
        for (const auto& s : steps) {
            EXPECT_FALSE(wizard.IsControlVisible(s.tick)) << s.step;
            wizard.Click(s.step);
            EXPECT_TRUE(wizard.IsControlVisible(s.tick)) << s.step;
            EXPECT_EQ(DefaultButton(wizard), s.next) << s.step;
            EXPECT_EQ(FocusedControl(), s.next) << s.step;
        }
        EXPECT_TRUE(passwordOpened);
        wizard.Click(IDOK);
    });
    // Yes asks for another account before the step ends.
    AnswerAccountStep(driver, "Wallet", IDYES);
    AnswerAccountStep(driver, "Purse", IDNO);
    driver.OnModal([&](ModalWindow& password) {
        passwordOpened = true;
        EXPECT_EQ(password.Title(), "Password");
        password.Click(IDCANCEL);
    });
    EXPECT_EQ(ShowNewFileWizard(App.frame), 1);
    ASSERT_EQ(Program.document.AccountCount(), 2);
    EXPECT_EQ(Program.document.GetAccount(1).name.view(), "Purse");
}
