// The New Pennywhist File wizard: step 1 opens the others, each step ticks
// itself and hands the default button on, and the wizard ends with 1 on
// "Done!" and with 2 when cancelled or closed.

#include <windows.h>
#include <gtest/gtest.h>

#include "app/main_window.h"
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

    // The close box, after step 1 has enabled Done!.
    driver.OnModal([](ModalWindow& wizard) {
        wizard.Click(IDC_STEP_ACCOUNTS);
        PostMessageA(wizard.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_EQ(ShowNewFileWizard(App.frame), 2);
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
    driver.OnModal([&](ModalWindow& password) {
        passwordOpened = true;
        EXPECT_EQ(password.Title(), "Password");
        password.Click(IDCANCEL);
    });
    EXPECT_EQ(ShowNewFileWizard(App.frame), 1);
}
