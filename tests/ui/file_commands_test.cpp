// The File menu's commands: opening (with a file's password), New File and
// its wizard, saving, Password, closing, and the last file opened again at
// start; then the data file itself on the Windows file system.

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "resources/resource.h"
#include "sample_files.h"

namespace {

bool MenuEnabled(int command) { return (GetMenuState(GetMenu(App.frame), command, MF_BYCOMMAND) & MF_GRAYED) == 0; }
bool ButtonEnabled(int command) { return SendMessageA(App.toolbar, TB_ISBUTTONENABLED, command, 0) != 0; }

using FileCommands = SampleFileOpen;

}  // namespace

TEST(StartAndClose, AQuotedFileIsOpenedSavedOnClosingAndOpenedAgainAtTheNextStartUnlessGone) {
    const std::string path = SampleFile("quoted name.pwf");
    Document expected;
    {
        Driver driver(("\"" + path + "\"").c_str(), Driver::Settings::Fresh, {CloseAccounts()});
        EXPECT_EQ(WindowText(App.frame), "Pennywhist - quoted name");
        EXPECT_EQ(Program.CurrentAccountIndex, -1);
        EXPECT_FALSE(IsWindowVisible(App.transactionList));
        EXPECT_TRUE(IsWindowVisible(App.statsPanel));
        // File commands on, account commands still grey.
        EXPECT_TRUE(MenuEnabled(IDM_SAVE) && MenuEnabled(IDM_ACCOUNTS) && !MenuEnabled(IDM_NEW_TRANSACTION));
        EXPECT_TRUE(ButtonEnabled(IDM_ACCOUNTS) && !ButtonEnabled(IDM_NEW_TRANSACTION));

        Program.document.GetAccount(1).name = "Groceries";
        expected = Program.document;
        PostMessageA(App.frame, WM_COMMAND, IDM_CLOSE, 0);  // no question
        EXPECT_EQ(driver.RunToEnd(), 0);
    }
    Document reread;
    ASSERT_TRUE(reread.Load(path));
    EXPECT_EQ(reread, expected);
    {
        Driver driver("", Driver::Settings::Kept, {CloseAccounts()});
        EXPECT_EQ(Program.currentFile, path);
    }
    DeleteFileA(path.c_str());
    Driver driver("", Driver::Settings::Kept);  // no message box: the driver fails on any
    EXPECT_EQ(Program.currentFile, "");
}

TEST_F(FileCommands, OpenKeepsTheOpenFileForABadFileOrACancelledPassword) {
    const std::string bad = TestFile("bad.pwf");
    std::ofstream(bad, std::ios::binary) << "not a Pennywhist file";
    Document lockedDocument = SampleDocument();
    lockedDocument.password = "Secret";
    const std::string locked = SampleFile("locked.pwf", lockedDocument);
    std::string message;
    driver.OnModal(ChooseFile(bad));
    driver.OnModal(AnswerMessage(message));
    driver.Command(IDM_OPEN);
    EXPECT_EQ(message, "Error opening file.");

    driver.OnModal(ChooseFile(locked));
    driver.OnModal([&](ModalWindow& prompt) {
        prompt.SetText(IDC_OPENING_PASSWORD, "secret");
        ExpectRefusal(driver, prompt, IDOK, "Password is incorrect.", IDC_OPENING_PASSWORD);
        prompt.Click(IDCANCEL);
    });
    driver.Command(IDM_OPEN);
    EXPECT_EQ(Program.currentFile, TestFile("sample.pwf"));
    EXPECT_EQ(Program.document, SampleDocument());

    driver.OnModal(ChooseFile(locked));
    driver.OnModal([](ModalWindow& prompt) {
        prompt.SetText(IDC_OPENING_PASSWORD, "Secret");
        prompt.Click(IDOK);
    });
    driver.OnModal(CloseAccounts());
    driver.Command(IDM_OPEN);
    EXPECT_EQ(Program.currentFile, locked);
    EXPECT_EQ(Program.document, lockedDocument);
}

TEST_F(FileCommands, NewFileSavesTheOpenFileFirstAndItsWizardSetsUpTheAccounts) {
    const std::string created = TestFile("created.pwf");
    Program.document.GetAccount(0).name = "Renamed";  // unsaved work
    driver.OnModal(ChooseFile(created));
    driver.OnModal([&](ModalWindow& wizard) {
        EXPECT_EQ(wizard.Title(), "New Pennywhist File");
        EXPECT_FALSE(wizard.IsControlEnabled(IDOK) || wizard.IsControlEnabled(IDC_STEP_PASSWORD));
        wizard.Click(IDC_STEP_ACCOUNTS);  // New Account cancelled: the step is not done
        EXPECT_FALSE(wizard.IsControlEnabled(IDOK) || wizard.IsControlVisible(IDC_TICK_ACCOUNTS));
        wizard.Click(IDC_STEP_ACCOUNTS);
        EXPECT_TRUE(wizard.IsControlEnabled(IDOK) && wizard.IsControlVisible(IDC_TICK_ACCOUNTS));
        std::string opened;
        for (const int step : {IDC_STEP_CATEGORIES, IDC_STEP_BILLS_DEPOSITS}) {
            driver.OnModalNext([&](ModalWindow& dialog) {
                opened += dialog.Title() + ";";
                dialog.Click(IDCANCEL);
            });
            wizard.Click(step);
        }
        EXPECT_EQ(opened, "Categories;Bills & Deposits;");
        wizard.Click(IDC_STEP_PASSWORD);
        EXPECT_TRUE(wizard.IsControlVisible(IDC_TICK_PASSWORD));
        wizard.Click(IDOK);
    });
    // Step 1: New Account cancelled, then two Bank accounts; Yes asks for another one before the step ends.
    driver.OnModal([](ModalWindow& dialog) { dialog.Click(IDCANCEL); });
    for (const auto& [name, another] : {std::pair{"Wallet", IDYES}, std::pair{"Purse", IDNO}}) {
        driver.OnModal([](ModalWindow& dialog) { dialog.Click(IDOK); });
        driver.OnModal([name = name](ModalWindow& details) {
            details.SetText(IDC_ACCOUNT_NAME, name);
            details.Click(IDOK);
        });
        driver.OnModal([another = another](ModalWindow& question) { question.Click(another); });
    }
    driver.OnModal([](ModalWindow& password) {
        EXPECT_EQ(password.Title(), "Password");
        password.Click(IDCANCEL);
    });
    std::vector<std::string> listed;
    driver.OnModal([&](ModalWindow& accounts) {
        listed = ListColumn(GetDlgItem(accounts.Handle(), IDC_ACCOUNT_LIST), 0);
        accounts.Click(IDCANCEL);
    });
    driver.Command(IDM_NEW_FILE);
    EXPECT_EQ(listed, (std::vector<std::string>{"Wallet", "Purse"}));
    EXPECT_EQ(WindowText(App.frame), "Pennywhist - created");
    Document reread;
    ASSERT_TRUE(reread.Load(TestFile("sample.pwf")));
    EXPECT_STREQ(reread.GetAccount(0).name.c_str(), "Renamed");
    EXPECT_FALSE(FileExists(created));  // only in memory until saved
    driver.Command(IDM_SAVE);
    ASSERT_TRUE(reread.Load(created));
    EXPECT_EQ(reread, Program.document);
}

TEST_F(FileCommands, SaveAsWritesTheNewFileAndLeavesTheOldOneAsItWas) {
    const std::string renamed = TestFile("renamed.pwf");
    Program.document.GetAccount(0).name = "Everyday";
    driver.OnModal(ChooseFile(renamed));
    driver.Command(IDM_SAVE_AS);
    EXPECT_EQ(WindowText(App.frame), "Pennywhist - renamed (Everyday)");
    EXPECT_EQ(FileBytes(TestFile("sample.pwf")), FileBytes(SampleFile("copy.pwf")));
    Document reread;
    ASSERT_TRUE(reread.Load(renamed));
    EXPECT_EQ(reread, Program.document);
}

TEST_F(FileCommands, PasswordIsSetAfterARefusalKeptOnCancelAndClearedWithANotice) {
    driver.OnModal([&](ModalWindow& dialog) {
        EXPECT_EQ(dialog.Title(), "Password");
        EXPECT_FALSE(dialog.IsControlEnabled(IDC_CURRENT_PASSWORD));  // there is none yet
        dialog.SetText(IDC_NEW_PASSWORD, "Secret");
        dialog.SetText(IDC_VERIFY_PASSWORD, "secret");
        ExpectRefusal(driver, dialog, IDOK, "Passwords do not match.", IDC_NEW_PASSWORD);
        EXPECT_TRUE(Program.document.password.empty());
        dialog.SetText(IDC_VERIFY_PASSWORD, "Secret");
        dialog.Click(IDOK);  // silently: the driver fails the test on any message
    });
    driver.Command(IDM_PASSWORD);
    EXPECT_EQ(Program.document.password, Text31("Secret"));

    std::string message;
    for (const int button : {IDCANCEL, IDOK}) {
        driver.OnModal([&](ModalWindow& dialog) {
            EXPECT_EQ(GetFocus(), GetDlgItem(dialog.Handle(), IDC_CURRENT_PASSWORD));
            dialog.SetText(IDC_CURRENT_PASSWORD, "Secret");
            if (button == IDOK) driver.OnModalNext(AnswerMessage(message));
            dialog.Click(button);
        });
        driver.Command(IDM_PASSWORD);
        EXPECT_EQ(Program.document.password.empty(), button == IDOK);
    }
    EXPECT_EQ(message, "Password cleared.");
}

TEST_F(FileCommands, EndingTheWindowsSessionSavesTheOpenFile) {
    Program.document.GetAccount(1).name = "Groceries";
    EXPECT_TRUE(SendMessageA(App.frame, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    SendMessageA(App.frame, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    Document reread;
    ASSERT_TRUE(reread.Load(TestFile("sample.pwf")));
    EXPECT_EQ(reread, Program.document);
}

TEST_F(FileCommands, AFileThatCannotBeSavedStopsOpenAndClosingAsksFirst) {
    const std::string path = TestFile("sample.pwf");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    std::string error, question;
    driver.OnModal(AnswerMessage(error));
    driver.Command(IDM_OPEN);  // no file dialog follows
    EXPECT_EQ(error, "Error saving file.");

    driver.OnModal(AnswerMessage(error));
    driver.OnModal(AnswerMessage(question, IDNO));
    SendMessageA(App.frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(question, "Close anyway? Changes since the last save will be lost.");
    EXPECT_TRUE(IsWindow(App.frame));
    // Logging off asks the same; No keeps the session.
    driver.OnModal(AnswerMessage(error));
    driver.OnModal(AnswerMessage(question, IDNO));
    EXPECT_FALSE(SendMessageA(App.frame, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    driver.OnModal(AnswerMessage(error));
    driver.OnModal(AnswerMessage(question, IDYES));
    PostMessageA(App.frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(driver.RunToEnd(), 0);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The replace-in-one-step save, a read-only file and a missing folder, as Windows itself treats them.
TEST(WindowsDataFile, SaveReplacesTheFileWholeAndRefusesReadOnlyFilesAndMissingFolders) {
    const std::string path = SampleFile("money.pwf");
    Document smaller;
    smaller.AddCategory("None");
    ASSERT_TRUE(smaller.Save(path));
    const std::string fresh = FileBytes(path);
    EXPECT_EQ(fresh.size(), 26u + 31u + 31u);  // the larger file is gone whole
    Document loaded = SampleDocument();
    ASSERT_TRUE(loaded.Load(path));
    EXPECT_EQ(loaded, smaller);

    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(SampleDocument().Save(path));
    EXPECT_EQ(FileBytes(path), fresh);
    EXPECT_FALSE(FileExists(path + ".saving"));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_FALSE(smaller.Save(TestFile("missing\\money.pwf")));
}
