// The New Pennywhist File wizard: its steps open one after another, the ticks
// and the default button follow the steps, and it ends with 1 on "Done!" and
// with 2 when cancelled or closed.

#include <windows.h>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "dialogs/new_file_wizard.h"
#include "driver.h"
#include "resources/resource.h"

namespace {

constexpr int kSteps[] = {IDC_STEP_ACCOUNTS, IDC_STEP_CATEGORIES, IDC_STEP_BILLS_DEPOSITS, IDC_STEP_PASSWORD};
constexpr int kTicks[] = {IDC_TICK_ACCOUNTS, IDC_TICK_CATEGORIES, IDC_TICK_BILLS_DEPOSITS, IDC_TICK_PASSWORD,
                          IDC_TICK_DONE};

// The button Enter presses when the focus is not on a push button; 0 for none.
int DefaultButton(const ModalWindow& dialog) {
    const LRESULT result = SendMessageA(dialog.Handle(), DM_GETDEFID, 0, 0);
    return HIWORD(result) == DC_HASDEFID ? LOWORD(result) : 0;
}

int FocusedControl() { return GetDlgCtrlID(GetFocus()); }

bool HasDefaultLook(const ModalWindow& dialog, int button) {
    return (GetWindowLongA(GetDlgItem(dialog.Handle(), button), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

// A key press on the focused control. It is posted, so the dialog's own loop
// handles it (as IsDialogMessage) once the current action has returned.
void PostKey(UINT virtualKey) {
    const HWND target = GetFocus();
    ASSERT_NE(target, nullptr);
    PostMessageA(target, WM_KEYDOWN, virtualKey, 1);
    PostMessageA(target, WM_KEYUP, virtualKey, 0xC0000001);
}

// The Password dialog the fourth step opens, left with Cancel.
Driver::Action CancelPasswordDialog(bool& opened) {
    return [&opened](ModalWindow& password) {
        opened = true;
        EXPECT_EQ(password.Title(), "Password");
        password.Click(IDCANCEL);
    };
}

}  // namespace

TEST(NewFileWizard, StartsWithOnlyTheAccountsStep) {
    Driver driver;
    ASSERT_TRUE(driver.Started());
    driver.OnModal([](ModalWindow& wizard) {
        EXPECT_EQ(wizard.Title(), "New Pennywhist File");
        EXPECT_EQ(GetWindow(wizard.Handle(), GW_OWNER), App.frame);
        EXPECT_EQ(wizard.Text(IDC_STEP_ACCOUNTS), "Step 1:  Setup your accounts                 ");
        EXPECT_EQ(wizard.Text(IDC_STEP_CATEGORIES), "Step 2:  Configure categories (Optional) ");
        // "&&" is drawn as "&".
        EXPECT_EQ(wizard.Text(IDC_STEP_BILLS_DEPOSITS), "Step 3:  Setup Bills && Deposits (Optional)");
        EXPECT_EQ(wizard.Text(IDC_STEP_PASSWORD), "Step 4:  Configure password (Optional)   ");
        EXPECT_EQ(wizard.Text(IDOK), "Done!");
        EXPECT_FALSE(wizard.HasControl(IDCANCEL));
        EXPECT_FALSE(wizard.HasControl(IDHELP));

        EXPECT_TRUE(wizard.IsControlEnabled(IDC_STEP_ACCOUNTS));
        for (int control : {IDC_STEP_CATEGORIES, IDC_STEP_BILLS_DEPOSITS, IDC_STEP_PASSWORD, IDOK})
            EXPECT_FALSE(wizard.IsControlEnabled(control)) << control;
        for (int tick : kTicks) EXPECT_FALSE(wizard.IsControlVisible(tick)) << tick;
        EXPECT_EQ(DefaultButton(wizard), IDC_STEP_ACCOUNTS);
        EXPECT_TRUE(HasDefaultLook(wizard, IDC_STEP_ACCOUNTS));
        EXPECT_EQ(FocusedControl(), IDC_STEP_ACCOUNTS);
        for (int step : kSteps) {
            const LONG style = GetWindowLongA(GetDlgItem(wizard.Handle(), step), GWL_STYLE);
            EXPECT_TRUE(style & BS_FLAT) << step;
            EXPECT_TRUE(style & WS_TABSTOP) << step;
        }
        wizard.Click(IDCANCEL);
    });
    EXPECT_EQ(ShowNewFileWizard(App.frame), 2);
}

TEST(NewFileWizard, TicksAreSixteenPixelsAndSitBesideTheirButtons) {
    Driver driver;
    driver.OnModal([](ModalWindow& wizard) {
        const int buttons[] = {IDC_STEP_ACCOUNTS, IDC_STEP_CATEGORIES, IDC_STEP_BILLS_DEPOSITS, IDC_STEP_PASSWORD,
                               IDOK};
        for (int i = 0; i < 5; ++i) {
            HWND tick = GetDlgItem(wizard.Handle(), kTicks[i]);
            const HICON icon = reinterpret_cast<HICON>(SendMessageA(tick, STM_GETICON, 0, 0));
            ASSERT_NE(icon, nullptr) << kTicks[i];
            ICONINFO info{};
            ASSERT_TRUE(GetIconInfo(icon, &info));
            BITMAP bitmap{};
            GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
            EXPECT_EQ(bitmap.bmWidth, 16);
            EXPECT_EQ(bitmap.bmHeight, 16);
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);

            RECT tickRect, buttonRect;
            GetWindowRect(tick, &tickRect);
            GetWindowRect(GetDlgItem(wizard.Handle(), buttons[i]), &buttonRect);
            const LONG middle = (tickRect.top + tickRect.bottom) / 2;
            EXPECT_GT(middle, buttonRect.top) << kTicks[i];
            EXPECT_LT(middle, buttonRect.bottom) << kTicks[i];
            EXPECT_LE(tickRect.right, buttonRect.left) << kTicks[i];
        }
        wizard.Click(IDCANCEL);
    });
    EXPECT_EQ(ShowNewFileWizard(App.frame), 2);
}

TEST(NewFileWizard, EachStepTicksItselfAndHandsOnTheDefault) {
    Driver driver;
    bool passwordOpened = false;
    driver.OnModal([&](ModalWindow& wizard) {
        wizard.Click(IDC_STEP_ACCOUNTS);
        for (int control : {IDC_STEP_ACCOUNTS, IDC_STEP_CATEGORIES, IDC_STEP_BILLS_DEPOSITS, IDC_STEP_PASSWORD, IDOK})
            EXPECT_TRUE(wizard.IsControlEnabled(control)) << control;
        EXPECT_TRUE(wizard.IsControlVisible(IDC_TICK_ACCOUNTS));
        EXPECT_TRUE(wizard.IsControlVisible(IDC_TICK_DONE));
        for (int tick : {IDC_TICK_CATEGORIES, IDC_TICK_BILLS_DEPOSITS, IDC_TICK_PASSWORD})
            EXPECT_FALSE(wizard.IsControlVisible(tick)) << tick;
        EXPECT_EQ(DefaultButton(wizard), IDC_STEP_CATEGORIES);
        EXPECT_EQ(FocusedControl(), IDC_STEP_CATEGORIES);
        EXPECT_TRUE(HasDefaultLook(wizard, IDC_STEP_CATEGORIES));
        EXPECT_FALSE(HasDefaultLook(wizard, IDC_STEP_ACCOUNTS));

        wizard.Click(IDC_STEP_CATEGORIES);
        EXPECT_TRUE(wizard.IsControlVisible(IDC_TICK_CATEGORIES));
        EXPECT_FALSE(wizard.IsControlVisible(IDC_TICK_BILLS_DEPOSITS));
        EXPECT_EQ(DefaultButton(wizard), IDC_STEP_BILLS_DEPOSITS);
        EXPECT_EQ(FocusedControl(), IDC_STEP_BILLS_DEPOSITS);

        wizard.Click(IDC_STEP_BILLS_DEPOSITS);
        EXPECT_TRUE(wizard.IsControlVisible(IDC_TICK_BILLS_DEPOSITS));
        EXPECT_FALSE(wizard.IsControlVisible(IDC_TICK_PASSWORD));
        EXPECT_EQ(DefaultButton(wizard), IDC_STEP_PASSWORD);
        EXPECT_EQ(FocusedControl(), IDC_STEP_PASSWORD);

        // The Password dialog opens inside this click; the next action cancels it.
        wizard.Click(IDC_STEP_PASSWORD);
        EXPECT_TRUE(passwordOpened);
        EXPECT_TRUE(wizard.IsControlVisible(IDC_TICK_PASSWORD));
        EXPECT_EQ(DefaultButton(wizard), IDOK);
        EXPECT_EQ(FocusedControl(), IDOK);
        EXPECT_TRUE(HasDefaultLook(wizard, IDOK));

        wizard.Click(IDOK);
    });
    driver.OnModal(CancelPasswordDialog(passwordOpened));
    EXPECT_EQ(ShowNewFileWizard(App.frame), 1);
}

TEST(NewFileWizard, StepsCanBeUsedAgain) {
    Driver driver;
    driver.OnModal([](ModalWindow& wizard) {
        for (int step : {IDC_STEP_ACCOUNTS, IDC_STEP_CATEGORIES, IDC_STEP_BILLS_DEPOSITS}) wizard.Click(step);

        wizard.Click(IDC_STEP_CATEGORIES);
        EXPECT_EQ(DefaultButton(wizard), IDC_STEP_BILLS_DEPOSITS);
        EXPECT_EQ(FocusedControl(), IDC_STEP_BILLS_DEPOSITS);

        wizard.Click(IDC_STEP_ACCOUNTS);
        EXPECT_EQ(DefaultButton(wizard), IDC_STEP_CATEGORIES);
        EXPECT_EQ(FocusedControl(), IDC_STEP_CATEGORIES);
        for (int step : kSteps) EXPECT_TRUE(wizard.IsControlEnabled(step)) << step;
        for (int tick : {IDC_TICK_ACCOUNTS, IDC_TICK_CATEGORIES, IDC_TICK_BILLS_DEPOSITS, IDC_TICK_DONE})
            EXPECT_TRUE(wizard.IsControlVisible(tick)) << tick;
        EXPECT_FALSE(wizard.IsControlVisible(IDC_TICK_PASSWORD));

        wizard.Click(IDC_STEP_BILLS_DEPOSITS);
        EXPECT_EQ(DefaultButton(wizard), IDC_STEP_PASSWORD);
        wizard.Click(IDOK);
    });
    EXPECT_EQ(ShowNewFileWizard(App.frame), 1);
}

TEST(NewFileWizard, TabVisitsTheEnabledButtonsAndEnterPressesTheDefault) {
    Driver driver;
    bool passwordOpened = false;
    driver.OnModal([](ModalWindow&) {
        // Only step 1 is enabled: Tab stays on it.
        PostKey(VK_TAB);
    });
    driver.OnModal([](ModalWindow&) {
        EXPECT_EQ(FocusedControl(), IDC_STEP_ACCOUNTS);
        PostKey(VK_RETURN);
    });
    driver.OnModal([](ModalWindow& wizard) {
        EXPECT_TRUE(wizard.IsControlVisible(IDC_TICK_ACCOUNTS));
        EXPECT_EQ(FocusedControl(), IDC_STEP_CATEGORIES);
        PostKey(VK_TAB);
    });
    // Tab order: steps 2, 3, 4, Done!, then round to step 1 and on to step 2.
    for (int expected : {IDC_STEP_BILLS_DEPOSITS, IDC_STEP_PASSWORD, IDOK, IDC_STEP_ACCOUNTS}) {
        driver.OnModal([expected](ModalWindow&) {
            EXPECT_EQ(FocusedControl(), expected);
            PostKey(VK_TAB);
        });
    }
    driver.OnModal([](ModalWindow&) {
        EXPECT_EQ(FocusedControl(), IDC_STEP_CATEGORIES);
        PostKey(VK_RETURN);
    });
    driver.OnModal([](ModalWindow& wizard) {
        EXPECT_TRUE(wizard.IsControlVisible(IDC_TICK_CATEGORIES));
        EXPECT_EQ(FocusedControl(), IDC_STEP_BILLS_DEPOSITS);
        PostKey(VK_RETURN);
    });
    driver.OnModal([](ModalWindow& wizard) {
        EXPECT_TRUE(wizard.IsControlVisible(IDC_TICK_BILLS_DEPOSITS));
        EXPECT_EQ(FocusedControl(), IDC_STEP_PASSWORD);
        PostKey(VK_RETURN);  // opens the Password dialog
    });
    driver.OnModal(CancelPasswordDialog(passwordOpened));
    driver.OnModal([](ModalWindow& wizard) {
        EXPECT_TRUE(wizard.IsControlVisible(IDC_TICK_PASSWORD));
        EXPECT_EQ(FocusedControl(), IDOK);
        PostKey(VK_RETURN);
    });
    EXPECT_EQ(ShowNewFileWizard(App.frame), 1);
    EXPECT_TRUE(passwordOpened);
}

TEST(NewFileWizard, EscapeEndsWithTwo) {
    Driver driver;
    driver.OnModal([](ModalWindow& wizard) {
        wizard.Click(IDC_STEP_ACCOUNTS);
        PostKey(VK_ESCAPE);
    });
    EXPECT_EQ(ShowNewFileWizard(App.frame), 2);
}

TEST(NewFileWizard, TheCloseBoxEndsWithTwo) {
    Driver driver;
    driver.OnModal([](ModalWindow& wizard) {
        wizard.Click(IDC_STEP_ACCOUNTS);
        PostMessageA(wizard.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_EQ(ShowNewFileWizard(App.frame), 2);
}
