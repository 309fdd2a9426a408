// Saving and loading through the Windows file system: the replace-in-one-step
// save, read-only files and missing folders, as Windows itself treats them.

#include <windows.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "model/document.h"

namespace {

std::string TempFolder() {
    char base[MAX_PATH];
    GetTempPathA(sizeof base, base);
    std::string folder = std::string(base) + "pennywhist-save-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

Document Sample(int transactions) {
    Document document;
    document.AddCategory("None");
    document.AddCategory("Groceries");
    Account account;
    account.type = AccountTypeCredit;
    account.name = "Visa";
    account.creditLimit = 2500.0;
    for (int i = 0; i < transactions; ++i) {
        Transaction t;
        t.amount = 10.0 + i;
        t.month = 1 + i % 12;
        t.day = 1 + i % 28;
        t.year = 2026;
        t.category = 1;
        t.payee = "Corner Market";
        account.AddTransaction(t);
    }
    document.AddAccount(account);
    document.password = "secret";
    return document;
}

class WindowsDataFile : public ::testing::Test {
protected:
    void TearDown() override {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
        RemoveDirectoryA(folder.c_str());
    }
    std::string folder = TempFolder();
    std::string path = folder + "\\money.pwf";
};

}  // namespace

TEST_F(WindowsDataFile, SaveReplacesAnExistingFileAndLoadsBack) {
    ASSERT_TRUE(Sample(5).Save(path));
    const Document smaller = Sample(1);
    ASSERT_TRUE(smaller.Save(path));
    EXPECT_EQ(Bytes(path).size(), 26u + 2 * 31 + 210 + 94 + 31);
    EXPECT_EQ(GetFileAttributesA((path + ".saving").c_str()), INVALID_FILE_ATTRIBUTES);
    Document loaded;
    ASSERT_TRUE(loaded.Load(path));
    EXPECT_EQ(loaded, smaller);
}

TEST_F(WindowsDataFile, ReadOnlyFileAndMissingFolderAreRefused) {
    ASSERT_TRUE(Sample(3).Save(path));
    const std::string before = Bytes(path);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(Sample(7).Save(path));
    EXPECT_EQ(Bytes(path), before);
    EXPECT_EQ(GetFileAttributesA((path + ".saving").c_str()), INVALID_FILE_ATTRIBUTES);

    EXPECT_FALSE(Sample(1).Save(folder + "\\missing\\money.pwf"));
    Document untouched = Sample(2);
    EXPECT_FALSE(untouched.Load(folder + "\\missing.pwf"));
    EXPECT_EQ(untouched, Sample(2));
}
