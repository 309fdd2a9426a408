#pragma once
// Data files for the UI tests, written with the program's own writer.

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "driver.h"
#include "model/document.h"
#include "model/new_file.h"

inline Transaction MakeTransaction(int kind, double amount, int month, int day, int year, const char* payee,
                                   int category = 0, int number = 0, const char* memo = "") {
    Transaction t;
    t.kind = kind;
    t.amount = amount;
    t.month = month;
    t.day = day;
    t.year = year;
    t.category = category;
    t.number = number;
    t.payee = payee;
    t.memo = memo;
    return t;
}

// A file with the default categories, a Bank account "Checking" with four
// transactions entered out of date order, and a Budget account "Food".
inline Document SampleDocument() {
    Document document;
    NewFileSetup(document);
    Account checking;
    checking.type = AccountTypeBank;
    checking.name = "Checking";
    checking.AddTransaction(MakeTransaction(0, 1000.0, 1, 2, 2026, "", 0, 0, "OPENING BALANCE"));
    checking.AddTransaction(MakeTransaction(1, 45.5, 3, 14, 2026, "Corner Market", 2, 101));
    checking.AddTransaction(MakeTransaction(1, 120.0, 2, 1, 2026, "City Power", 1, 102));
    checking.AddTransaction(MakeTransaction(0, 250.0, 3, 14, 2026, "Acme Payroll", 8, 0, "Paycheck"));
    document.AddAccount(checking);
    Account food;
    food.type = AccountTypeBudget;
    food.name = "Food";
    food.AddTransaction(MakeTransaction(0, 500.0, 1, 1, 2026, "", 0, 0, "BUDGET AMOUNT"));
    document.AddAccount(food);
    return document;
}

// Closes the Accounts dialog that comes up after a file is opened.
inline Driver::Action CloseAccounts() {
    return [](ModalWindow& dialog) {
        EXPECT_EQ(dialog.Title(), "Accounts");
        dialog.Click(IDCANCEL);
    };
}

inline std::string TestFile(const char* name) { return TestFolder() + "\\" + name; }

// SampleDocument saved under `name` in the test folder; its path.
inline std::string OpenSample(const char* name) {
    const std::string path = TestFile(name);
    EXPECT_TRUE(SampleDocument().Save(path));
    return path;
}

inline std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
