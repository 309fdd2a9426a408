// Opening, creating and saving data files through the frame's commands.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>

#include "shell/program.h"
#include "dialog_checks.h"
#include "driver.h"
#include "resources/resource.h"
#include "sample_files.h"
#include "views/transaction_list.h"

namespace {

constexpr int kFileNameBox = 1148;  // the file name field of the common file dialogs

bool MenuEnabled(int command) { return (GetMenuState(GetMenu(App.frame), command, MF_BYCOMMAND) & MF_GRAYED) == 0; }
bool ButtonEnabled(int command) { return SendMessageA(App.toolbar, TB_ISBUTTONENABLED, command, 0) != 0; }

// Answers a file dialog with a path.
Driver::Action ChooseFile(const std::string& path, std::string* title = nullptr) {
    return [path, title](ModalWindow& dialog) {
        if (title != nullptr) *title = dialog.Title();
        dialog.SetText(kFileNameBox, path.c_str());
        dialog.Click(IDOK);
    };
}


std::string Saved(const char* name, const Document& document) {
    const std::string path = TestFile(name);
    EXPECT_TRUE(document.Save(path));
    return path;
}

}  // namespace

TEST(FileCommands, QuotedCommandLineOpensTheFileWithAnAccountStillToChoose) {
    const std::string path = Saved("quoted name.pwf", SampleDocument());
    Driver driver(("\"" + path + "\"").c_str(), Driver::Settings::Fresh, {CloseAccounts()});
    EXPECT_EQ(Program.currentFile, path);
    EXPECT_EQ(WindowText(App.frame), "Pennywhist - quoted name");
    EXPECT_EQ(Program.document, SampleDocument());
    EXPECT_EQ(Program.CurrentAccountIndex, -1);
    EXPECT_FALSE(IsWindowVisible(App.transactionList));
    // File commands on, account commands still grey.
    for (int command : {IDM_NEW_ACCOUNT, IDM_SAVE, IDM_SAVE_AS, IDM_PASSWORD, IDM_IMPORT, IDM_BACKUP_RESTORE,
                        IDM_SHOW_STATS, IDM_ACCOUNTS, IDM_BILLS_DEPOSITS, IDM_CATEGORIES})
        EXPECT_TRUE(MenuEnabled(command)) << command;
    for (int command : {IDM_ACCOUNTS, IDM_BILLS_DEPOSITS, IDM_CATEGORIES}) EXPECT_TRUE(ButtonEnabled(command));
    for (int command : {IDM_NEW_TRANSACTION, IDM_EDIT_TRANSACTION, IDM_DELETE_TRANSACTION, IDM_FIND_TRANSACTION,
                        IDM_SUMMARY_BY_CATEGORY, IDM_SUMMARY_BY_MONTH, IDM_PRINT})
        EXPECT_FALSE(MenuEnabled(command)) << command;
    for (int command : {IDM_NEW_TRANSACTION, IDM_EDIT_TRANSACTION, IDM_DELETE_TRANSACTION})
        EXPECT_FALSE(ButtonEnabled(command));
    // The stats panel comes on with the file.
    EXPECT_TRUE(IsWindowVisible(App.statsPanel));
}

TEST(FileCommands, MissingCommandLineFileIsReportedAndNothingOpens) {
    std::string message;
    Driver driver(TestFile("nowhere.pwf").c_str(), Driver::Settings::Fresh, {AnswerMessage(message)});
    EXPECT_EQ(message, "Error opening file.");
    EXPECT_EQ(Program.currentFile, "");
    EXPECT_EQ(WindowText(App.frame), "Pennywhist");
    EXPECT_FALSE(MenuEnabled(IDM_SAVE));
    EXPECT_EQ(Program.document.CategoryCount(), 0);
}

TEST(FileCommands, OpenRefusesAWrongFirstByteAndKeepsThePreviousFile) {
    const std::string good = Saved("good.pwf", SampleDocument());
    std::string bytes = FileBytes(good);
    bytes[0] = 'p';
    const std::string bad = TestFile("bad.pwf");
    std::ofstream(bad, std::ios::binary) << bytes;

    Driver driver(good.c_str(), Driver::Settings::Fresh, {CloseAccounts()});
    std::string message;
    driver.OnModal(ChooseFile(bad));
    driver.OnModal(AnswerMessage(message));
    driver.Command(IDM_OPEN);
    EXPECT_EQ(message, "Error opening file.");
    EXPECT_EQ(Program.currentFile, good);
    EXPECT_EQ(Program.document, SampleDocument());
    EXPECT_EQ(WindowText(App.frame), "Pennywhist - good");
}

TEST(FileCommands, PasswordPromptRefusesAnotherCaseAndCancelKeepsThePreviousFile) {
    const std::string plain = Saved("plain.pwf", SampleDocument());
    Document protectedDocument = SampleDocument();
    protectedDocument.password = "Secret";
    const std::string locked = Saved("locked.pwf", protectedDocument);

    Driver driver(plain.c_str(), Driver::Settings::Fresh, {CloseAccounts()});
    std::string title, message;
    driver.OnModal(ChooseFile(locked));
    driver.OnModal([&](ModalWindow& prompt) {
        title = prompt.Title();
        prompt.SetText(IDC_OPENING_PASSWORD, "secret");
        driver.OnModal(AnswerMessage(message));
        prompt.Click(IDOK);  // refused: the prompt stays open
        EXPECT_TRUE(IsWindowVisible(prompt.Handle()));
        prompt.Click(IDCANCEL);
    });
    driver.Command(IDM_OPEN);
    EXPECT_EQ(title, "Password");
    EXPECT_EQ(message, "Password is incorrect.");
    EXPECT_EQ(Program.currentFile, plain);
    EXPECT_TRUE(Program.document.password.empty());

    driver.OnModal(ChooseFile(locked));
    driver.OnModal([](ModalWindow& prompt) {
        prompt.SetText(IDC_OPENING_PASSWORD, "Secret");
        prompt.Click(IDOK);
    });
    driver.OnModal(CloseAccounts());
    driver.Command(IDM_OPEN);
    EXPECT_EQ(Program.currentFile, locked);
    EXPECT_STREQ(Program.document.password.c_str(), "Secret");
}

TEST(FileCommands, NewFileThenSaveWritesTheEmptyFile) {
    const std::string previous = Saved("previous.pwf", SampleDocument());
    const std::string created = TestFile("created.pwf");
    Driver driver(previous.c_str(), Driver::Settings::Fresh, {CloseAccounts()});
    Program.document.GetAccount(0).name = "Renamed";  // unsaved work
    std::string title, wizard;
    driver.OnModal(ChooseFile(created, &title));
    driver.OnModal([&](ModalWindow& dialog) {
        wizard = dialog.Title();
        dialog.Click(IDCANCEL);
    });
    driver.Command(IDM_NEW_FILE);
    EXPECT_EQ(title, "Enter a name for your new Pennywhist file");
    EXPECT_EQ(wizard, "New Pennywhist File");
    EXPECT_EQ(WindowText(App.frame), "Pennywhist - created");
    EXPECT_FALSE(FileExists(created));  // only in memory until saved

    // The file it replaced was saved first, with the unsaved work.
    Document reread;
    ASSERT_TRUE(reread.Load(previous));
    EXPECT_STREQ(reread.GetAccount(0).name.c_str(), "Renamed");

    driver.Command(IDM_SAVE);
    EXPECT_EQ(FileBytes(created).size(), 708u);
}

TEST(FileCommands, SaveAsRenamesAndLeavesTheOldFileAsItWas) {
    const std::string old = Saved("old.pwf", SampleDocument());
    const std::string before = FileBytes(old);
    const std::string renamed = TestFile("renamed.pwf");
    Driver driver(old.c_str(), Driver::Settings::Fresh, {CloseAccounts()});
    SelectAccount(0);
    Program.document.GetAccount(0).AddTransaction(MakeTransaction(1, 9.99, 4, 1, 2026, "Bookshop"));
    std::string title;
    driver.OnModal(ChooseFile(renamed, &title));
    driver.Command(IDM_SAVE_AS);
    EXPECT_EQ(title, "Save File As");
    EXPECT_EQ(WindowText(App.frame), "Pennywhist - renamed (Checking)");
    EXPECT_EQ(FileBytes(old), before);
    Document reread;
    ASSERT_TRUE(reread.Load(renamed));
    EXPECT_EQ(reread, Program.document);
}

TEST(FileCommands, ClosingWritesTheFileWithoutAsking) {
    const std::string path = Saved("closing.pwf", SampleDocument());
    Driver driver(path.c_str(), Driver::Settings::Fresh, {CloseAccounts()});
    Program.document.GetAccount(1).AddTransaction(MakeTransaction(1, 12.0, 4, 2, 2026, "Bakery"));
    const Document expected = Program.document;
    PostMessageA(App.frame, WM_COMMAND, IDM_CLOSE, 0);
    EXPECT_EQ(driver.RunToEnd(), 0);
    Document reread;
    ASSERT_TRUE(reread.Load(path));
    EXPECT_EQ(reread, expected);
}

TEST(FileCommands, AFailedSaveOnClosingAsksBeforeLosingWork) {
    const std::string path = Saved("readonly.pwf", SampleDocument());
    Driver driver(path.c_str(), Driver::Settings::Fresh, {CloseAccounts()});
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    std::string error, question;
    driver.OnModal(AnswerMessage(error));
    driver.OnModal(AnswerMessage(question, IDNO));
    SendMessageA(App.frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(error, "Error saving file.");
    EXPECT_EQ(question, "Close anyway? Changes since the last save will be lost.");
    EXPECT_TRUE(IsWindow(App.frame));

    driver.OnModal(AnswerMessage(error));
    driver.OnModal(AnswerMessage(question, IDYES));
    PostMessageA(App.frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(driver.RunToEnd(), 0);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(FileCommands, OpenStopsWhenTheOpenFileCannotBeSaved) {
    const std::string path = Saved("stuck.pwf", SampleDocument());
    Driver driver(path.c_str(), Driver::Settings::Fresh, {CloseAccounts()});
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    std::string error;
    driver.OnModal(AnswerMessage(error));
    driver.Command(IDM_OPEN);  // no file dialog follows
    EXPECT_EQ(error, "Error saving file.");
    EXPECT_EQ(Program.currentFile, path);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(FileCommands, TheLastFileOpensAtStartAndAMissingOneIsForgottenSilently) {
    const std::string path = Saved("last.pwf", SampleDocument());
    {
        Driver driver(path.c_str(), Driver::Settings::Fresh, {CloseAccounts()});
        PostMessageA(App.frame, WM_COMMAND, IDM_CLOSE, 0);
        EXPECT_EQ(driver.RunToEnd(), 0);
    }
    {
        Driver driver("", Driver::Settings::Kept, {CloseAccounts()});
        EXPECT_EQ(Program.currentFile, path);
        EXPECT_EQ(WindowText(App.frame), "Pennywhist - last");
        PostMessageA(App.frame, WM_COMMAND, IDM_CLOSE, 0);
        EXPECT_EQ(driver.RunToEnd(), 0);
    }
    DeleteFileA(path.c_str());
    {
        Driver driver("", Driver::Settings::Kept);  // no message box: the driver fails on any
        EXPECT_EQ(Program.currentFile, "");
        EXPECT_EQ(WindowText(App.frame), "Pennywhist");
        PostMessageA(App.frame, WM_COMMAND, IDM_CLOSE, 0);
        EXPECT_EQ(driver.RunToEnd(), 0);
    }
    // Closing with no file open stores an empty last file: the next start opens nothing.
    Driver driver("", Driver::Settings::Kept);
    EXPECT_EQ(Program.currentFile, "");
}
