#pragma once
// Data files for the UI tests, written with the program's own writer, and
// the sample file open as most flows start.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "driver.h"
#include "model/dates.h"
#include "model/document.h"
#include "model/file/new_file.h"
#include "shell/program.h"
#include "app/current_account.h"
#include "views/transaction_list.h"

// A file with the default categories, a Bank account "Checking" with details
// and four transactions entered out of date order, and a Budget account "Food".
inline Document SampleDocument() {
    Document document;
    NewFileSetup(document);
    Account checking;
    checking.type = AccountTypeBank;
    checking.name = "Checking";
    checking.comment = "Everyday";
    checking.accountNumber = "12-345";
    // Kind, amount, month, day, year, category, number, payee, memo.
    checking.AddTransaction({1000.0, 0, 1, 2, 2026, 0, 0, "", "OPENING BALANCE"});
    checking.AddTransaction({45.5, 1, 3, 14, 2026, 2, 101, "Corner Market", ""});
    checking.AddTransaction({120.0, 1, 2, 1, 2026, 1, 102, "City Power", ""});
    checking.AddTransaction({250.0, 0, 3, 14, 2026, 8, 0, "Acme Payroll", "Paycheck"});
    document.AddAccount(checking);
    Account food;
    food.type = AccountTypeBudget;
    food.name = "Food";
    food.AddTransaction({500.0, 0, 1, 1, 2026, 0, 0, "", "BUDGET AMOUNT"});
    document.AddAccount(food);
    return document;
}

inline std::string TestFile(const char* name) { return TestFolder() + "\\" + name; }

inline std::string SampleFile(const char* name, const Document& document = SampleDocument()) {
    const std::string path = TestFile(name);
    EXPECT_TRUE(document.Save(path));
    return path;
}

inline Document Loaded(const std::string& path) {
    Document document;
    EXPECT_TRUE(document.Load(path)) << path;
    return document;
}

// Closes the Accounts dialog that comes up after a file is opened.
inline Driver::Action CloseAccounts() {
    return [](ModalWindow& dialog) {
        EXPECT_EQ(dialog.Title(), "Accounts");
        dialog.Click(IDCANCEL);
    };
}

// The sample file, saved as "sample.pwf", open with "Checking" current and
// today fixed at 03/20/2026.
class SampleFileOpen : public ::testing::Test {
protected:
    SampleFileOpen() {
        SetToday(Date{2026, 3, 20});
        SelectAccount(0);
    }
    ~SampleFileOpen() override { SetToday(std::nullopt); }
    Driver driver{SampleFile("sample.pwf").c_str(), Driver::Settings::Fresh, {CloseAccounts()}};
};

inline bool MenuEnabled(int command) { return (GetMenuState(GetMenu(App.frame), command, MF_BYCOMMAND) & MF_GRAYED) == 0; }
inline bool ButtonEnabled(int command) { return SendMessageA(App.toolbar, TB_ISBUTTONENABLED, command, 0) != 0; }

inline std::string Stat(int control) { return WindowText(GetDlgItem(App.statsPanel, control)); }

inline bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
