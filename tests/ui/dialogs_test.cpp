#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "model/rules/bill_rules.h"
#include "model/tables/transaction_rows.h"
#include "resources/resource.h"
#include "sample_files.h"

namespace {

using Requests = std::vector<HelpRecorder::Request>;
struct Dialogs : SampleFileOpen {
    HelpRecorder help;
};

HWND List(ModalWindow& dialog) { return GetDlgItem(dialog.Handle(), IDC_ACCOUNT_LIST); }

std::string ListBoxRow(HWND list, int row) {
    char text[32] = {};
    SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
    return text;
}

}  // namespace

TEST_F(Dialogs, AccountsSwitchesToEditsAdjustsDeletesAndOpensNewAccount) {
    std::string message;
    driver.Command(IDM_ACCOUNTS, {[&](ModalWindow& dialog) {
        EXPECT_EQ(ListRow(List(dialog), 1), (Texts{"Food", "Budget"}));
        SelectListRow(List(dialog), -1);
        driver.Click(dialog, IDOK, {AnswerMessage(message)});
        EXPECT_EQ(message, "No account is selected.");
        SelectListRow(List(dialog), 1);
        dialog.Click(IDOK);
    }});
    EXPECT_EQ(WindowText(App.frame), "Pennywhist - sample (Food)");

    std::string question;
    driver.Command(IDM_ACCOUNTS, {[&](ModalWindow& dialog) {
        dialog.Click(IDC_HELP_BUTTON);
        SelectListRow(List(dialog), 0);
        driver.Click(dialog, IDC_ACCOUNT_DETAILS, {[&](ModalWindow& details) {
            EXPECT_EQ(details.Text(IDC_ACCOUNT_COMMENT) + " " + details.Text(IDC_ACCOUNT_NUMBER), "Everyday 12-345");
            details.Click(IDC_HELP_BUTTON);
            details.SetText(IDC_ACCOUNT_NAME, "food");
            ExpectRefusal(driver, details, IDOK, IDC_ACCOUNT_NAME);
            details.SetText(IDC_ACCOUNT_NAME, "Bank");
            details.Click(IDOK);
        }});
        EXPECT_EQ(ListCell(List(dialog), 0, 0), "Bank");

        SelectListRow(List(dialog), 1);  // the current account: the frame's list follows
        driver.Click(dialog, IDC_ADJUST_ACCOUNT, {[&](ModalWindow& adjust) {
            EXPECT_EQ(adjust.Text(IDC_BALANCE), "500.00");
            adjust.SetText(IDC_BALANCE, "12a");
            ExpectRefusal(driver, adjust, IDOK, IDC_BALANCE);
            adjust.SetText(IDC_BALANCE, "450");
            adjust.Click(IDOK);
        }});
        EXPECT_EQ(ColumnTexts(App.transactionList, ColumnMemo), (Texts{"BUDGET AMOUNT", "ADJUSTMENT"}));

        // The account before the current one: the same account stays current. Then the current one.
        for (const int current : {0, -1}) {
            SelectListRow(List(dialog), 0);
            driver.Click(dialog, IDC_DELETE_ACCOUNT, {AnswerMessage(question, IDYES)});
            EXPECT_EQ(Program.CurrentAccountIndex, current);
        }
        EXPECT_EQ(ListRowCount(List(dialog)), 0);
        EXPECT_FALSE(IsWindowVisible(App.transactionList));
        // New... closes the list for New Account; cancelled details drop the account made for them.
        driver.OnModal(Press(IDOK));
        driver.OnModal(Press(IDCANCEL));
        dialog.Click(IDC_NEW_ACCOUNT);
    }});
    EXPECT_EQ(Program.document.AccountCount(), 0);
    driver.Command(IDM_BILLS_DEPOSITS, {AnswerMessage(message)});  // nothing to schedule for
    EXPECT_EQ(message, "You must create an account before you can create a bill/deposit.");
    EXPECT_TRUE(question.starts_with("Are you sure you want to delete the selected account?")) << question;
    EXPECT_EQ(help.Take(), (Requests{{HELP_CONTEXT, 3}, {HELP_CONTEXTPOPUP, 9}}));
}

TEST_F(Dialogs, NewAccountIsKeptWithItsDetailsAndBecomesCurrentOnYes) {
    driver.OnModal([&](ModalWindow& dialog) {
        for (const int type : {IDC_TYPE_BANK, IDC_TYPE_CREDIT, IDC_TYPE_BUDGET, IDC_TYPE_CASH, IDC_TYPE_OTHER}) {
            dialog.Choose(type);
            dialog.Click(IDC_HELP_BUTTON);
        }
        EXPECT_EQ(dialog.Text(IDC_OPENING_AMOUNT_LABEL), "Opening balance");
        dialog.Choose(IDC_TYPE_CREDIT);
        dialog.SetText(IDC_OPENING_AMOUNT, "3$00");
        ExpectRefusal(driver, dialog, IDOK, IDC_OPENING_AMOUNT);
        dialog.SetText(IDC_OPENING_AMOUNT, "300");
        dialog.Click(IDOK);
    });
    driver.OnModal([](ModalWindow& details) {
        EXPECT_TRUE(details.IsControlVisible(IDC_CREDIT_LIMIT));
        details.Click(IDC_HELP_BUTTON);
        details.SetText(IDC_ACCOUNT_NAME, "Visa");
        details.SetText(IDC_CREDIT_LIMIT, "2,000");
        details.Click(IDOK);
    });
    std::string question;
    driver.Command(IDM_NEW_ACCOUNT, {AnswerMessage(question, IDYES)});
    EXPECT_EQ(question, "Switch to this account now?");
    EXPECT_EQ(help.Take(), (Requests{{HELP_CONTEXTPOPUP, 12}, {HELP_CONTEXTPOPUP, 12}, {HELP_CONTEXTPOPUP, 13},
                                     {HELP_CONTEXTPOPUP, 14}, {HELP_CONTEXTPOPUP, 12}, {HELP_CONTEXTPOPUP, 10}}));
    EXPECT_EQ(Program.document.GetAccount(2).creditLimit, 2000.0);
    EXPECT_EQ(WindowText(App.frame), "Pennywhist - sample (Visa)");
    EXPECT_EQ(ColumnTexts(App.transactionList, ColumnMemo), Texts{"OPENING BALANCE"});
    // A credit account fills all four rows of the stats panel.
    Texts stats;
    for (int row = 0; row < 4; ++row) stats.push_back(Stat(IDC_STAT_LABEL1 + row) + " " + Stat(IDC_STAT_VALUE1 + row));
    EXPECT_EQ(stats, (Texts{"Balance 300.00", "Credit Left 1700.00", "Charges 300.00", "Payments 0.00"}));
}

TEST_F(Dialogs, NewWithAddMoreAddsRowsThenEditChangesTheTransactionOfTheSortedRow) {
    driver.Command(IDM_NEW_TRANSACTION, {[&](ModalWindow& dialog) {
        EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), IDC_SECOND_KIND), UINT(BST_CHECKED));
        EXPECT_EQ(dialog.Text(IDC_TRANSACTION_NUMBER), "1");  // the last stored is the paycheck, number 0
        dialog.Click(IDC_HELP_BUTTON);
        dialog.SetText(IDC_TRANSACTION_AMOUNT, "12$");
        ExpectRefusal(driver, dialog, IDC_ADD_MORE, IDC_TRANSACTION_AMOUNT);
        dialog.SetText(IDC_TRANSACTION_AMOUNT, "84.50");
        dialog.Select(IDC_TRANSACTION_CATEGORY, 2);
        dialog.SetText(IDC_TRANSACTION_NUMBER, "103");
        dialog.SetText(IDC_TRANSACTION_PAYEE, "Corner Market");
        dialog.SetText(IDC_TRANSACTION_MEMO, "Weekly");
        driver.Click(dialog, IDC_ADD_MORE, {[&](ModalWindow& next) {
            EXPECT_EQ(ListRowCount(App.transactionList), 5);  // the frame refreshed first
            EXPECT_EQ(next.Text(IDC_TRANSACTION_NUMBER), "104");
            EXPECT_EQ(next.Text(IDC_TRANSACTION_AMOUNT) + next.Text(IDC_TRANSACTION_PAYEE), "");
            next.SetText(IDC_TRANSACTION_AMOUNT, "5");
            // Typed, not set: the box scrolls to take all 30 wide characters.
            for (int i = 0; i < 30; ++i) SendDlgItemMessageA(next.Handle(), IDC_TRANSACTION_PAYEE, WM_CHAR, 'W', 1);
            EXPECT_EQ(next.Text(IDC_TRANSACTION_PAYEE), std::string(30, 'W'));
            next.Click(IDOK);
        }});
    }});
    EXPECT_EQ(help.Take(), (Requests{{HELP_CONTEXT, 6}}));
    EXPECT_EQ(ListRow(App.transactionList, 4), (Texts{"103", "03/20/2026", "Withdrawal", "84.50", "Corner Market",
                                                     "Groceries", "Weekly", "1000.00"}));
    EXPECT_EQ(ColumnTexts(App.transactionList, ColumnTotal).back(), "995.00");

    Program.SortDate = kSortAscending;
    SelectAccount(0);
    SelectListRow(App.transactionList, 1);  // City Power, stored third
    driver.Command(IDM_EDIT_TRANSACTION, {[&](ModalWindow& dialog) {
        EXPECT_EQ(dialog.Title() + " " + dialog.Text(IDC_TRANSACTION_PAYEE), "Edit Transaction City Power");
        dialog.SetText(IDC_TRANSACTION_AMOUNT, "130");
        dialog.Click(IDOK);
    }});
    EXPECT_EQ(ListCell(App.transactionList, 1, ColumnAmount), "130.00");
}

// Rows in storage order: OPENING BALANCE, Corner Market #101, City Power #102, Acme Payroll.
TEST_F(Dialogs, FindOpensSearchingDownAndSelectsTheNextMatchingRowEitherWay) {
    const auto selectedRow = [] { return ListView_GetNextItem(App.transactionList, -1, LVNI_SELECTED); };
    // Find Next, expecting the message that the search is done or none, then the selected row.
    const auto findNext = [&](ModalWindow& dialog, bool done, int row) {
        std::string message;
        driver.Click(dialog, IDOK, done ? std::vector{AnswerMessage(message)} : std::vector<Driver::Action>{});
        EXPECT_EQ(message.empty(), !done);
        EXPECT_EQ(selectedRow(), row) << dialog.Text(IDC_FIND_TEXT);
    };
    driver.Command(IDM_FIND_TRANSACTION, {[&](ModalWindow& dialog) {
        EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), IDC_FIND_DOWN), UINT(BST_CHECKED));
        dialog.SetText(IDC_FIND_TEXT, "10");  // the numbers 101 and 102
        findNext(dialog, false, 1);
        findNext(dialog, false, 2);
        dialog.Choose(IDC_FIND_UP);
        findNext(dialog, false, 1);
        dialog.Choose(IDC_FIND_DOWN);
        CheckDlgButton(dialog.Handle(), IDC_MATCH_CASE, BST_CHECKED);
        dialog.SetText(IDC_FIND_TEXT, "PAY");  // "Acme Payroll" and "Paycheck" only without it
        findNext(dialog, true, 1);
        dialog.Click(IDCANCEL);
    }});
    EXPECT_EQ(selectedRow(), 1);  // the row found last stays selected
}

TEST_F(Dialogs, CategoriesNewRenameAndDeleteReachEveryReferenceAndLeaveNoRowSelected) {
    std::string message;
    driver.Command(IDM_CATEGORIES, {[&](ModalWindow& dialog) {
        HWND list = GetDlgItem(dialog.Handle(), IDC_CATEGORY_LIST);
        const auto rows = [list] { return int(SendMessageA(list, LB_GETCOUNT, 0, 0)); };
        const auto selected = [list] { return int(SendMessageA(list, LB_GETCURSEL, 0, 0)); };
        // "None" is not listed.
        EXPECT_EQ(std::tuple(rows(), ListBoxRow(list, 0), selected()), std::tuple(20, std::string("Bills"), 0));
        driver.Click(dialog, IDOK, {[&](ModalWindow& add) {
            add.SetText(IDC_CATEGORY_NAME, "GROCERIES");
            ExpectRefusal(driver, add, IDOK, IDC_CATEGORY_NAME);
            add.SetText(IDC_CATEGORY_NAME, "Caf\xE9");
            add.Click(IDOK);
        }});
        EXPECT_EQ(ListBoxRow(list, 20), "Caf\xE9");

        SendMessageA(list, LB_SETCURSEL, 1, 0);
        driver.Click(dialog, IDC_EDIT_CATEGORY, {[&](ModalWindow& rename) {
            EXPECT_EQ(rename.Text(IDC_CATEGORY_NAME), "Groceries");
            rename.SetText(IDC_CATEGORY_NAME, "Food");
            rename.Click(IDOK);
        }});
        EXPECT_EQ(std::pair(ListBoxRow(list, 1), selected()), std::pair(std::string("Food"), int(LB_ERR)));
        EXPECT_EQ(ColumnTexts(App.transactionList, ColumnCategory), (Texts{"None", "Food", "Bills", "Income"}));
        for (const int button : {IDC_EDIT_CATEGORY, IDC_DELETE_CATEGORY}) {
            driver.Click(dialog, button, {AnswerMessage(message)});
            EXPECT_EQ(message, "No category is selected.");
        }

        SendMessageA(list, LB_SETCURSEL, 0, 0);
        driver.Click(dialog, IDC_DELETE_CATEGORY, {AnswerMessage(message, IDYES)});
        EXPECT_EQ(message, "Are you sure you want to delete the selected category?");
        EXPECT_EQ(std::tuple(rows(), ListBoxRow(list, 0), selected()), std::tuple(20, std::string("Food"), int(LB_ERR)));
        EXPECT_EQ(ColumnTexts(App.transactionList, ColumnCategory), (Texts{"None", "Food", "None", "Income"}));
        dialog.Click(IDCANCEL);
    }});
}

TEST_F(Dialogs, TheDateOrderIsShownAndStoredAtOnceAndEveryHelpTriggerAsksItsTopic) {
    const auto stored = [] {
        DWORD value = 99, size = sizeof value;
        RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, "DateFormat", RRF_RT_REG_DWORD, nullptr, &value, &size);
        return value;
    };
    for (const int button : {IDCANCEL, IDOK}) {
        driver.Command(IDM_OPTIONS, {[button](ModalWindow& dialog) {
            EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), IDC_DATE_AMERICAN), UINT(BST_CHECKED));
            dialog.Choose(IDC_DATE_EUROPEAN);
            dialog.Click(button);
        }});
        EXPECT_EQ(ListCell(App.transactionList, 1, ColumnDate), button == IDOK ? "14/03/2026" : "03/14/2026");
        EXPECT_EQ(stored(), button == IDOK ? 1u : 99u);
    }
    EXPECT_EQ(Stat(IDC_TODAYS_DATE), "20/03/2026");

    driver.Command(IDM_HELP_CONTENTS);
    driver.PressKey(VK_F1);
    driver.Command(IDM_GETTING_STARTED);
    EXPECT_EQ(help.Take(), (Requests{{HELP_FINDER, 0}, {HELP_FINDER, 0}, {HELP_CONTEXT, 1}}));

    RECT banner{};
    driver.OnModal([&](ModalWindow& about) {
        EXPECT_EQ(about.Title(), "About Pennywhist");
        GetClientRect(GetWindow(about.Handle(), GW_CHILD), &banner);
        PostMessageA(about.Handle(), WM_KEYDOWN, VK_RETURN, 0);
    });
    // Enter leaves it open for this action; Esc closes it.
    driver.OnModal([](ModalWindow& about) { PostMessageA(about.Handle(), WM_KEYDOWN, VK_ESCAPE, 0); });
    driver.Command(IDM_ABOUT);  // returns once Esc has closed it
    EXPECT_EQ(std::pair(banner.right, banner.bottom), std::pair(LONG(115), LONG(19)));
}

// Rows of the sample's "Checking": the last transaction number is 0.
TEST_F(Dialogs, BillsScheduleEditProcessIntoTheirOwnOrAnotherAccountAndDelete) {
    std::string message;
    HWND list = nullptr;
    const auto itemButtonsEnabled = [&](ModalWindow& dialog) {
        return dialog.IsControlEnabled(IDC_PROCESS_BILL) + dialog.IsControlEnabled(IDC_EDIT_BILL) +
               dialog.IsControlEnabled(IDC_DELETE_BILL);
    };
    // New...: the editor opens at the dialog's corner with the current account chosen.
    const auto schedule = [&](ModalWindow& dialog, const char* amount, int kind, int occurrence, WORD day,
                              const char* payee) {
        driver.Click(dialog, IDC_NEW_BILL, {[=, &dialog](ModalWindow& editor) {
            POINT corner{0, 0};
            ClientToScreen(dialog.Handle(), &corner);
            RECT placed;
            GetWindowRect(editor.Handle(), &placed);
            EXPECT_EQ(std::pair(placed.left, placed.top), std::pair(corner.x, corner.y));
            EXPECT_EQ(SendDlgItemMessageA(editor.Handle(), IDC_BILL_ACCOUNT, CB_GETCURSEL, 0, 0), 0);
            editor.SetText(IDC_BILL_AMOUNT, amount);
            editor.Choose(kind);
            editor.Choose(occurrence);
            editor.SetDate(IDC_BILL_DATE, 2026, 4, day);
            editor.SetText(IDC_BILL_PAYEE, payee);
            editor.Click(IDOK);
        }});
    };
    // Processes into the account at `account` in the dialog's list; the number follows the item's own account.
    const auto processInto = [&](int account, const char* number) {
        return [=](ModalWindow& process) {
            EXPECT_EQ(process.Text(IDC_BILL_NUMBER), number);
            process.Select(IDC_BILL_ACCOUNT, account);
            process.Click(IDOK);
        };
    };
    driver.OnModal([&](ModalWindow& dialog) {
        list = GetDlgItem(dialog.Handle(), IDC_BILL_LIST);
        EXPECT_EQ(itemButtonsEnabled(dialog), 0);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog.Handle(), IDC_NEW_BILL));
        dialog.Click(IDC_HELP_BUTTON);
        schedule(dialog, "1,234.5", IDC_KIND_BILL, IDC_OCCURS_MONTHLY, 30, "Landlord");
        EXPECT_EQ(itemButtonsEnabled(dialog), 3);
        schedule(dialog, "50", IDC_KIND_DEPOSIT, IDC_OCCURS_ONCE, 2, "Refund");  // earlier, yet the last row
        EXPECT_EQ(ListRow(list, 0), (Texts{"04/30/2026", "Bill", "1234.50", "Landlord", "Pending"}));
        EXPECT_EQ(ListRow(list, 1), (Texts{"04/02/2026", "Deposit", "50.00", "Refund", "Pending"}));
        Program.DateFormat = kDateFormatEuropean;
        EXPECT_EQ(ListCell(list, 0, BillColumnDueDate), "30/04/2026");
        Program.DateFormat = kDateFormatAmerican;

        SelectListRow(list, 1);
        driver.Click(dialog, IDC_EDIT_BILL, {[&](ModalWindow& editor) {
            EXPECT_EQ(editor.Title() + " " + editor.Text(IDC_BILL_AMOUNT), "Edit Bill/Deposit 50.00");
            editor.SetText(IDC_BILL_AMOUNT, "x");
            ExpectRefusal(driver, editor, IDOK, IDC_BILL_AMOUNT);
            editor.SetText(IDC_BILL_AMOUNT, "60");
            editor.Select(IDC_BILL_ACCOUNT, 1);  // Food's now
            editor.Click(IDOK);
        }});
        EXPECT_EQ(ListCell(list, 1, BillColumnAmount), "60.00");

        // Enter in the list is "Process...": the monthly bill goes to "Food", a Budget account.
        SelectListRow(list, 0);
        SetFocus(list);
        PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
    });
    driver.OnModal(processInto(1, "1"));
    driver.OnModal([&](ModalWindow& dialog) {
        EXPECT_EQ(Program.document.GetAccount(1).transactions.back().payee.view(), "Landlord");
        EXPECT_EQ(ListCell(list, 0, BillColumnDueDate), "05/30/2026");  // one month on
        EXPECT_EQ(ListRowCount(App.transactionList), 4);                // Checking's list is as it was

        // Food's deposit (Food now ends with number 1), once only, goes into Checking, the current account.
        SelectListRow(list, 1);
        driver.Click(dialog, IDC_PROCESS_BILL, {processInto(0, "2")});
        EXPECT_EQ(ColumnTexts(list, BillColumnPayee), Texts{"Landlord"});
        EXPECT_EQ(ListCell(App.transactionList, 4, ColumnPayee), "Refund");

        SelectListRow(list, 0);
        for (const int answer : {IDNO, IDYES}) {
            driver.Click(dialog, IDC_DELETE_BILL, {AnswerMessage(message, answer)});
            EXPECT_EQ(ListRowCount(list), answer == IDNO ? 1 : 0);
        }
        EXPECT_EQ(message, "Are you sure you want to delete the selected bill/deposit?");
        EXPECT_EQ(itemButtonsEnabled(dialog), 0);
        dialog.Click(IDCANCEL);
    });
    driver.Command(IDM_BILLS_DEPOSITS);
    EXPECT_EQ(help.Take(), (Requests{{HELP_CONTEXT, 4}}));
}
