// The account and transaction dialogs over the sample file, each from its
// command: what it opens with, a refusal, what OK, Cancel and Help do, and
// the views afterwards. The rules are unit-tested natively.

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "model/bill_rules.h"
#include "model/transaction_rows.h"
#include "resources/resource.h"
#include "sample_files.h"

namespace {

using Texts = std::vector<std::string>;
using Requests = std::vector<HelpRecorder::Request>;

HWND List(ModalWindow& dialog) { return GetDlgItem(dialog.Handle(), IDC_ACCOUNT_LIST); }

using AccountDialogs = SampleFileOpen;
using TransactionDialogs = SampleFileOpen;
using CategoryDialogs = SampleFileOpen;
using OptionsAndHelp = SampleFileOpen;
using BillDialogs = SampleFileOpen;

std::string ListBoxRow(HWND list, int row) {
    char text[32] = {};
    SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
    return text;
}

}  // namespace

TEST_F(AccountDialogs, AccountsSwitchesToEditsAdjustsDeletesAndOpensNewAccount) {
    std::string message;
    driver.OnModal([&](ModalWindow& dialog) {
        EXPECT_EQ(ColumnTexts(List(dialog), 0), (Texts{"Checking", "Food"}));
        EXPECT_EQ(ColumnTexts(List(dialog), 1), (Texts{"Bank", "Budget"}));
        SelectListRow(List(dialog), -1);
        driver.OnModalNext(AnswerMessage(message));
        dialog.Click(IDOK);
        EXPECT_EQ(message, "No account is selected.");
        SelectListRow(List(dialog), 1);
        dialog.Click(IDOK);
    });
    driver.Command(IDM_ACCOUNTS);
    EXPECT_EQ(WindowText(App.frame), "Pennywhist - sample (Food)");

    HelpRecorder help;
    std::string question;
    driver.OnModal([&](ModalWindow& dialog) {
        dialog.Click(IDC_HELP_BUTTON);
        SelectListRow(List(dialog), 0);
        driver.OnModalNext([&](ModalWindow& details) {
            EXPECT_EQ(details.Text(IDC_ACCOUNT_COMMENT) + " " + details.Text(IDC_ACCOUNT_NUMBER), "Everyday 12-345");
            details.Click(IDC_HELP_BUTTON);
            details.SetText(IDC_ACCOUNT_NAME, "food");
            ExpectRefusal(driver, details, IDOK, "Account name already used, enter another one.", IDC_ACCOUNT_NAME);
            details.SetText(IDC_ACCOUNT_NAME, "Bank");
            details.Click(IDOK);
        });
        dialog.Click(IDC_ACCOUNT_DETAILS);
        EXPECT_EQ(ListCell(List(dialog), 0, 0), "Bank");

        SelectListRow(List(dialog), 1);  // the current account: the frame's list follows
        driver.OnModalNext([&](ModalWindow& adjust) {
            EXPECT_EQ(adjust.Text(IDC_BALANCE), "500.00");
            adjust.SetText(IDC_BALANCE, "12a");
            ExpectRefusal(driver, adjust, IDOK,
                          "Enter a valid amount left (numbers, commas, periods and no other symbols).", IDC_BALANCE);
            adjust.SetText(IDC_BALANCE, "450");
            adjust.Click(IDOK);
        });
        dialog.Click(IDC_ADJUST_ACCOUNT);
        EXPECT_EQ(ColumnTexts(App.transactionList, ColumnMemo), (Texts{"BUDGET AMOUNT", "ADJUSTMENT"}));

        // The account before the current one: the same account stays current. Then the current one.
        for (const int current : {0, -1}) {
            SelectListRow(List(dialog), 0);
            driver.OnModalNext(AnswerMessage(question, IDYES));
            dialog.Click(IDC_DELETE_ACCOUNT);
            EXPECT_EQ(Program.CurrentAccountIndex, current);
        }
        EXPECT_EQ(ListRowCount(List(dialog)), 0);
        EXPECT_FALSE(IsWindowVisible(App.transactionList));
        // New... closes the list for New Account; cancelled details drop the account made for them.
        driver.OnModal([](ModalWindow& account) { account.Click(IDOK); });
        driver.OnModal([](ModalWindow& details) { details.Click(IDCANCEL); });
        dialog.Click(IDC_NEW_ACCOUNT);
    });
    driver.Command(IDM_ACCOUNTS);
    EXPECT_EQ(Program.document.AccountCount(), 0);
    driver.OnModal(AnswerMessage(message));
    driver.Command(IDM_BILLS_DEPOSITS);  // nothing to schedule for
    EXPECT_EQ(message, "You must create an account before you can create a bill/deposit.");
    EXPECT_TRUE(question.starts_with("Are you sure you want to delete the selected account?")) << question;
    EXPECT_EQ(help.Take(), (Requests{{HELP_CONTEXT, 3}, {HELP_CONTEXTPOPUP, 9}}));
}

TEST_F(AccountDialogs, NewAccountIsKeptWithItsDetailsAndBecomesCurrentOnYes) {
    HelpRecorder help;
    driver.OnModal([&](ModalWindow& dialog) {
        for (const int type : {IDC_TYPE_BANK, IDC_TYPE_CREDIT, IDC_TYPE_BUDGET, IDC_TYPE_CASH, IDC_TYPE_OTHER}) {
            dialog.Choose(type);
            dialog.Click(IDC_HELP_BUTTON);
        }
        EXPECT_EQ(dialog.Text(IDC_OPENING_AMOUNT_LABEL), "Opening balance");
        dialog.Choose(IDC_TYPE_CREDIT);
        dialog.SetText(IDC_OPENING_AMOUNT, "3$00");
        ExpectRefusal(driver, dialog, IDOK,
                      "Enter a valid opening balance (numbers, commas, periods and no other symbols).",
                      IDC_OPENING_AMOUNT);
        EXPECT_EQ(Program.document.AccountCount(), 2);
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
    driver.OnModal(AnswerMessage(question, IDYES));
    driver.Command(IDM_NEW_ACCOUNT);
    EXPECT_EQ(question, "Switch to this account now?");
    EXPECT_EQ(help.Take(), (Requests{{HELP_CONTEXTPOPUP, 12}, {HELP_CONTEXTPOPUP, 12}, {HELP_CONTEXTPOPUP, 13},
                                     {HELP_CONTEXTPOPUP, 14}, {HELP_CONTEXTPOPUP, 12}, {HELP_CONTEXTPOPUP, 10}}));
    EXPECT_EQ(Program.document.GetAccount(2).creditLimit, 2000.0);
    EXPECT_EQ(WindowText(App.frame), "Pennywhist - sample (Visa)");
    EXPECT_EQ(ListCell(App.transactionList, 0, ColumnMemo), "OPENING BALANCE");
}

TEST_F(TransactionDialogs, NewWithAddMoreAddsRowsThenEditChangesTheTransactionOfTheSortedRow) {
    HelpRecorder help;
    driver.OnModal([&](ModalWindow& dialog) {
        EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), IDC_SECOND_KIND), UINT(BST_CHECKED));
        EXPECT_EQ(dialog.Text(IDC_TRANSACTION_NUMBER), "1");  // the last stored is the paycheck, number 0
        dialog.Click(IDC_HELP_BUTTON);
        dialog.SetText(IDC_TRANSACTION_AMOUNT, "12$");
        ExpectRefusal(driver, dialog, IDC_ADD_MORE,
                      "Enter a valid amount (numbers, commas, periods and no other symbols).", IDC_TRANSACTION_AMOUNT);
        EXPECT_EQ(Program.document.GetAccount(0).TransactionCount(), 4);
        dialog.SetText(IDC_TRANSACTION_AMOUNT, "84.50");
        SendDlgItemMessageA(dialog.Handle(), IDC_TRANSACTION_CATEGORY, CB_SETCURSEL, 2, 0);
        dialog.SetText(IDC_TRANSACTION_NUMBER, "103");
        dialog.SetText(IDC_TRANSACTION_PAYEE, "Corner Market");
        dialog.SetText(IDC_TRANSACTION_MEMO, "Weekly");
        driver.OnModalNext([&](ModalWindow& next) {
            EXPECT_EQ(ListRowCount(App.transactionList), 5);  // the frame refreshed first
            EXPECT_EQ(next.Text(IDC_TRANSACTION_NUMBER), "104");
            EXPECT_EQ(next.Text(IDC_TRANSACTION_AMOUNT) + next.Text(IDC_TRANSACTION_PAYEE), "");
            next.SetText(IDC_TRANSACTION_AMOUNT, "5");
            // Typed, not set: the box scrolls to take all 30 wide characters.
            for (int i = 0; i < 30; ++i) SendDlgItemMessageA(next.Handle(), IDC_TRANSACTION_PAYEE, WM_CHAR, 'W', 1);
            EXPECT_EQ(next.Text(IDC_TRANSACTION_PAYEE), std::string(30, 'W'));
            next.Click(IDOK);
        });
        dialog.Click(IDC_ADD_MORE);
    });
    driver.Command(IDM_NEW_TRANSACTION);
    EXPECT_EQ(help.Take(), (Requests{{HELP_CONTEXT, 6}}));
    EXPECT_EQ(ListRow(App.transactionList, 4), (Texts{"103", "03/20/2026", "Withdrawal", "84.50", "Corner Market",
                                                     "Groceries", "Weekly", "1000.00"}));
    EXPECT_EQ(ColumnTexts(App.transactionList, ColumnTotal).back(), "995.00");

    Program.SortDate = kSortAscending;
    SelectAccount(0);
    SelectListRow(App.transactionList, 1);  // City Power, stored third
    driver.OnModal([&](ModalWindow& dialog) {
        EXPECT_EQ(dialog.Title(), "Edit Transaction");
        EXPECT_EQ(dialog.Text(IDC_TRANSACTION_PAYEE), "City Power");
        dialog.SetText(IDC_TRANSACTION_AMOUNT, "130");
        dialog.Click(IDOK);
    });
    driver.Command(IDM_EDIT_TRANSACTION);
    EXPECT_EQ(Program.document.GetAccount(0).GetTransaction(2).amount, 130.0);
    EXPECT_EQ(ListCell(App.transactionList, 1, ColumnAmount), "130.00");
}

// Rows in storage order: OPENING BALANCE, Corner Market #101, City Power #102, Acme Payroll.
TEST_F(TransactionDialogs, FindNextSelectsTheNextMatchingRowAndSaysWhenThereIsNoMore) {
    const auto selectedRow = [] { return ListView_GetNextItem(App.transactionList, -1, LVNI_SELECTED); };
    // Find Next, expecting "Done searching through transactions." or no message, then the selected row.
    const auto findNext = [&](ModalWindow& dialog, bool done, int row) {
        std::string message;
        if (done) driver.OnModalNext(AnswerMessage(message));
        dialog.Click(IDOK);
        EXPECT_EQ(message, done ? "Done searching through transactions." : "");
        EXPECT_EQ(selectedRow(), row) << dialog.Text(IDC_FIND_TEXT);
    };
    driver.OnModal([&](ModalWindow& dialog) {
        dialog.SetText(IDC_FIND_TEXT, "10");  // the numbers 101 and 102
        dialog.Choose(IDC_FIND_DOWN);
        findNext(dialog, false, 1);
        findNext(dialog, false, 2);
        findNext(dialog, true, 2);
        dialog.Choose(IDC_FIND_UP);
        findNext(dialog, false, 1);
        dialog.Choose(IDC_FIND_DOWN);
        CheckDlgButton(dialog.Handle(), IDC_MATCH_CASE, BST_CHECKED);
        dialog.SetText(IDC_FIND_TEXT, "PAY");  // "Acme Payroll" and "Paycheck" only without it
        findNext(dialog, true, 1);
        dialog.Click(IDCANCEL);
    });
    driver.Command(IDM_FIND_TRANSACTION);
    EXPECT_EQ(selectedRow(), 1);  // the row found last stays selected
}

TEST_F(CategoryDialogs, NewRenameAndDeleteReachEveryReferenceAndLeaveNoRowSelected) {
    std::string message;
    driver.OnModal([&](ModalWindow& dialog) {
        HWND list = GetDlgItem(dialog.Handle(), IDC_CATEGORY_LIST);
        const auto rows = [list] { return int(SendMessageA(list, LB_GETCOUNT, 0, 0)); };
        const auto selected = [list] { return int(SendMessageA(list, LB_GETCURSEL, 0, 0)); };
        EXPECT_EQ(std::pair(rows(), ListBoxRow(list, 0)), std::pair(20, std::string("Bills")));  // "None" is not listed
        EXPECT_EQ(selected(), 0);
        driver.OnModalNext([&](ModalWindow& add) {
            add.SetText(IDC_CATEGORY_NAME, "GROCERIES");
            ExpectRefusal(driver, add, IDOK, "Category name already used, enter another one.", IDC_CATEGORY_NAME);
            add.SetText(IDC_CATEGORY_NAME, "Caf\xE9");
            add.Click(IDOK);
        });
        dialog.Click(IDOK);
        EXPECT_EQ(ListBoxRow(list, 20), "Caf\xE9");

        SendMessageA(list, LB_SETCURSEL, 1, 0);
        driver.OnModalNext([&](ModalWindow& rename) {
            EXPECT_EQ(rename.Text(IDC_CATEGORY_NAME), "Groceries");
            rename.SetText(IDC_CATEGORY_NAME, "CAF\xC9");  // the same name in other capitals
            ExpectRefusal(driver, rename, IDOK, "Category name already used, enter another one.", IDC_CATEGORY_NAME);
            rename.SetText(IDC_CATEGORY_NAME, "Food");
            rename.Click(IDOK);
        });
        dialog.Click(IDC_EDIT_CATEGORY);
        EXPECT_EQ(std::pair(ListBoxRow(list, 1), selected()), std::pair(std::string("Food"), int(LB_ERR)));
        EXPECT_EQ(ColumnTexts(App.transactionList, ColumnCategory), (Texts{"None", "Food", "Bills", "Income"}));
        for (const int button : {IDC_EDIT_CATEGORY, IDC_DELETE_CATEGORY}) {
            driver.OnModalNext(AnswerMessage(message));
            dialog.Click(button);
            EXPECT_EQ(message, "No category is selected.");
        }

        SendMessageA(list, LB_SETCURSEL, 0, 0);
        driver.OnModalNext(AnswerMessage(message, IDYES));
        dialog.Click(IDC_DELETE_CATEGORY);
        EXPECT_EQ(message, "Are you sure you want to delete the selected category?");
        EXPECT_EQ(std::tuple(rows(), ListBoxRow(list, 0), selected()), std::tuple(20, std::string("Food"), int(LB_ERR)));
        EXPECT_EQ(ColumnTexts(App.transactionList, ColumnCategory), (Texts{"None", "Food", "None", "Income"}));
        dialog.Click(IDCANCEL);
    });
    driver.Command(IDM_CATEGORIES);
}

TEST_F(OptionsAndHelp, TheDateOrderIsShownAndStoredAtOnceAndEveryHelpTriggerAsksItsTopic) {
    const auto stored = [] {
        DWORD value = 99, size = sizeof value;
        RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, "DateFormat", RRF_RT_REG_DWORD, nullptr, &value, &size);
        return value;
    };
    for (const int button : {IDCANCEL, IDOK}) {
        driver.OnModal([button](ModalWindow& dialog) {
            EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), IDC_DATE_AMERICAN), UINT(BST_CHECKED));
            dialog.Choose(IDC_DATE_EUROPEAN);
            dialog.Click(button);
        });
        driver.Command(IDM_OPTIONS);
        EXPECT_EQ(ListCell(App.transactionList, 1, ColumnDate), button == IDOK ? "14/03/2026" : "03/14/2026");
        EXPECT_EQ(stored(), button == IDOK ? 1u : 99u);
    }
    EXPECT_EQ(WindowText(GetDlgItem(App.statsPanel, IDC_TODAYS_DATE)), "20/03/2026");

    HelpRecorder help;
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
TEST_F(BillDialogs, ScheduleEditDeleteAndProcessIntoTheirOwnOrAnotherAccount) {
    HelpRecorder help;
    std::string message;
    HWND list = nullptr;
    const auto itemButtonsEnabled = [&](ModalWindow& dialog) {
        return dialog.IsControlEnabled(IDC_PROCESS_BILL) + dialog.IsControlEnabled(IDC_EDIT_BILL) +
               dialog.IsControlEnabled(IDC_DELETE_BILL);
    };
    const auto schedule = [&](ModalWindow& dialog, const char* amount, int kind, int occurrence, WORD day,
                              const char* payee) {
        driver.OnModalNext([=, &dialog](ModalWindow& editor) {
            POINT corner{0, 0};
            ClientToScreen(dialog.Handle(), &corner);
            RECT placed;
            GetWindowRect(editor.Handle(), &placed);
            EXPECT_EQ(std::pair(placed.left, placed.top), std::pair(corner.x, corner.y));
            EXPECT_EQ(SendDlgItemMessageA(editor.Handle(), IDC_BILL_ACCOUNT, CB_GETCURSEL, 0, 0), 0);  // the current one
            editor.SetText(IDC_BILL_AMOUNT, amount);
            editor.Choose(kind);
            editor.Choose(occurrence);
            SYSTEMTIME due{};
            due.wYear = 2026;
            due.wMonth = 4;
            due.wDay = day;
            SendDlgItemMessageA(editor.Handle(), IDC_BILL_DATE, DTM_SETSYSTEMTIME, GDT_VALID, LPARAM(&due));
            editor.SetText(IDC_BILL_PAYEE, payee);
            editor.Click(IDOK);
        });
        dialog.Click(IDC_NEW_BILL);
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
        driver.OnModalNext([&](ModalWindow& editor) {
            EXPECT_EQ(editor.Title() + " " + editor.Text(IDC_BILL_AMOUNT), "Edit Bill/Deposit 50.00");
            editor.SetText(IDC_BILL_AMOUNT, "x");
            ExpectRefusal(driver, editor, IDOK, "Enter a valid amount (numbers, commas, periods and no other symbols).",
                          IDC_BILL_AMOUNT);
            editor.SetText(IDC_BILL_AMOUNT, "60");
            SendDlgItemMessageA(editor.Handle(), IDC_BILL_ACCOUNT, CB_SETCURSEL, 1, 0);  // Food's now
            editor.Click(IDOK);
        });
        dialog.Click(IDC_EDIT_BILL);
        EXPECT_EQ(ListCell(list, 1, BillColumnAmount), "60.00");
        driver.OnModalNext(AnswerMessage(message, IDNO));
        dialog.Click(IDC_DELETE_BILL);
        EXPECT_EQ(message, "Are you sure you want to delete the selected bill/deposit?");
        EXPECT_EQ(ListRowCount(list), 2);

        // Enter in the list is "Process...": the monthly bill goes to "Food", a Budget account.
        SelectListRow(list, 0);
        SetFocus(list);
        PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
    });
    driver.OnModal([](ModalWindow& process) {
        EXPECT_EQ(process.Text(IDC_BILL_NUMBER), "1");  // after the last of the bill's own account
        SendDlgItemMessageA(process.Handle(), IDC_BILL_ACCOUNT, CB_SETCURSEL, 1, 0);
        process.Click(IDOK);
    });
    driver.OnModal([&](ModalWindow& dialog) {
        const Transaction& spent = Program.document.GetAccount(1).transactions.back();
        EXPECT_EQ(std::tuple(spent.kind, spent.amount, spent.payee.view()), std::tuple(1, 1234.5, "Landlord"));
        EXPECT_EQ(Program.document.GetBillDeposit(0).account, 0);
        EXPECT_EQ(ListCell(list, 0, BillColumnDueDate), "05/30/2026");  // one month on
        EXPECT_EQ(ListRowCount(App.transactionList), 4);                // Checking's list is as it was

        driver.OnModalNext(AnswerMessage(message, IDYES));
        dialog.Click(IDC_DELETE_BILL);
        // Food's deposit, once only, goes into Checking, the current account, and is gone from the list.
        SelectListRow(list, 0);
        driver.OnModalNext([](ModalWindow& process) {
            SendDlgItemMessageA(process.Handle(), IDC_BILL_ACCOUNT, CB_SETCURSEL, 0, 0);
            process.Click(IDOK);
        });
        dialog.Click(IDC_PROCESS_BILL);
        EXPECT_EQ(ListRowCount(list), 0);
        EXPECT_EQ(itemButtonsEnabled(dialog), 0);
        EXPECT_EQ(ListCell(App.transactionList, 4, ColumnPayee), "Refund");
        dialog.Click(IDCANCEL);
    });
    driver.Command(IDM_BILLS_DEPOSITS);
    EXPECT_EQ(Program.document.BillDepositCount(), 0);
    EXPECT_EQ(help.Take(), (Requests{{HELP_CONTEXT, 4}}));
}
