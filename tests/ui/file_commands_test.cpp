// The File menu's commands: opening (with a file's password), New File and
// its wizard, saving, Password, closing, and the last file opened again at
// start; then the data file itself on the Windows file system.

#include <fstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "model/exchange_rules.h"
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
        listed = ColumnTexts(GetDlgItem(accounts.Handle(), IDC_ACCOUNT_LIST), 0);
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

namespace {

// A 1.1x account file: "Checking" with an opening amount of 250, three
// category names and ten transactions of the second one.
std::string LegacyFile(const char* name) {
    std::string bytes("Pennywhist Account\0", 19);
    const auto int32 = [&](std::int32_t value) { bytes.append(reinterpret_cast<const char*>(&value), 4); };
    const auto real = [&](double value) { bytes.append(reinterpret_cast<const char*>(&value), 8); };
    const auto text = [&](const std::string& value, std::size_t width) {
        bytes += value;
        bytes.append(width - value.size(), '\0');
    };
    int32(2);
    text("Checking", 31);
    text("From the old program", 251);
    text("", 31);
    real(250.0);
    real(0.0);
    int32(0);
    real(0.0);
    int32(3);
    for (const char* category : {"Groceries", "Pets", "none/miscellaneous"}) text(category, 31);
    int32(0);
    int32(10);
    for (int i = 0; i < 10; ++i) {
        int32(1);
        real(5.0 + i);
        int32(1);
        text("Vet", 251);
        for (std::int32_t field : {5, 1 + i, 2025, 0, 0, 0}) int32(field);
    }
    const std::string path = TestFile(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

}  // namespace

TEST_F(FileCommands, ImportAnAccountThenSwitchToItAndSetItsDetails) {
    const std::string legacy = LegacyFile("old.pwa");
    LPARAM range = 0;
    for (const int answer : {IDNO, IDYES}) {
        driver.OnModal([&](ModalWindow& dialog) {
            EXPECT_FALSE(dialog.IsControlVisible(IDC_IMPORT_PROGRESS));  // until the import runs
            // The pointer off the program's windows, so that none puts its own cursor in place of the wait cursor.
            SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
            ExpectRefusal(driver, dialog, IDOK, "Enter the file you want to import.", IDC_IMPORT_FILE);
            dialog.SetText(IDC_IMPORT_FILE, legacy.c_str());
            dialog.Choose(IDC_TYPE_CASH);
            driver.OnModalNext([&, answer](ModalWindow& question) {
                range = SendDlgItemMessageA(dialog.Handle(), IDC_IMPORT_PROGRESS, PBM_GETRANGE, FALSE, 0);
                EXPECT_NE(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));  // the work is done
                question.Click(answer);
            });
            dialog.Click(IDOK);
        });
        if (answer == IDYES)
            driver.OnModal([](ModalWindow& details) {
                EXPECT_EQ(details.Text(IDC_ACCOUNT_NAME), "Checking (import 2)");  // the first import took "(import)"
                details.SetText(IDC_ACCOUNT_NAME, "Vet bills");
                details.Click(IDOK);
            });
        driver.Command(IDM_IMPORT);
        EXPECT_EQ(range, 13);  // three names and ten transactions
    }
    ASSERT_EQ(Program.document.AccountCount(), 4);
    const Account& imported = Program.document.GetAccount(2);
    EXPECT_EQ(std::tuple(imported.name.view(), imported.type, imported.TransactionCount()),
              std::tuple("Checking (import)", std::int32_t(AccountTypeCash), 11));
    EXPECT_EQ(imported.GetTransaction(0).memo.view(), "OPENING CASH AMOUNT");
    EXPECT_EQ(Program.document.GetCategory(imported.GetTransaction(1).category).view(), "Pets");
    EXPECT_EQ(WindowText(App.frame), "Pennywhist - sample (Vet bills)");
}

TEST_F(FileCommands, BackupThenRestoreBringsTheOldDataBackWithTheCurrentPassword) {
    const std::string backup = TestFile("backup.pwf");
    // The dialog with `button` pressed, the message boxes answered in turn; a
    // restore that works opens the Accounts dialog afterwards.
    const auto run = [&](const std::string& location, int button, std::vector<int> answers, bool restores = false) {
        std::vector<std::string> messages(answers.size());
        driver.OnModal([&](ModalWindow& dialog) {
            dialog.SetText(IDC_BACKUP_LOCATION, location.c_str());
            for (std::size_t i = answers.size(); i-- > 0;) driver.OnModalNext(AnswerMessage(messages[i], answers[i]));
            if (restores) driver.OnModal(CloseAccounts());
            dialog.Click(button);
        });
        driver.Command(IDM_BACKUP_RESTORE);
        return messages;
    };
    // A location too long for the backup's path keeps its text to be corrected; the box takes no more than can pass.
    driver.OnModal([&](ModalWindow& dialog) {
        HWND box = GetDlgItem(dialog.Handle(), IDC_BACKUP_LOCATION);
        EXPECT_EQ(SendMessageA(box, EM_GETLIMITTEXT, 0, 0), LRESULT(kMaxBackupLocationLength));
        const std::string tooLong = "C:\\" + std::string(kMaxBackupLocationLength - 3, 'd');
        dialog.SetText(IDC_BACKUP_LOCATION, tooLong.c_str());
        ExpectRefusal(driver, dialog, IDOK, "Enter a location.", IDC_BACKUP_LOCATION);
        EXPECT_EQ(dialog.Text(IDC_BACKUP_LOCATION), tooLong);
        dialog.Click(IDCANCEL);
    });
    driver.Command(IDM_BACKUP_RESTORE);
    EXPECT_EQ(run(TestFolder(), IDOK, {IDOK}), std::vector<std::string>{"Backup successful."});
    EXPECT_EQ(FileBytes(backup), FileBytes(TestFile("sample.pwf")));

    Program.document.GetAccount(0).name = "Renamed";
    Program.document.password = "Now";
    const std::string warning = "WARNING:  This will replace the current data with the backup file's data.\n\nAre you sure?";
    CreateDirectoryA(TestFile("empty").c_str(), nullptr);
    EXPECT_EQ(run(TestFile("empty"), IDC_RESTORE, {IDYES, IDOK}),
              (std::vector<std::string>{warning, "Error opening file."}));
    EXPECT_EQ(Program.document.GetAccount(0).name.view(), "Renamed");

    EXPECT_EQ(run(TestFolder() + "\\", IDC_RESTORE, {IDYES, IDOK}, true),
              (std::vector<std::string>{warning, "Restore successful."}));
    EXPECT_EQ(Program.document.GetAccount(0).name.view(), "Checking");
    EXPECT_EQ(Program.document.password.view(), "Now");
    EXPECT_EQ(Program.CurrentAccountIndex, -1);

    // A backup that cannot be replaced stays whole.
    const std::string before = FileBytes(backup);
    Program.document.GetAccount(0).name = "Changed again";
    SetFileAttributesA(backup.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(run(TestFolder(), IDOK, {IDOK}), std::vector<std::string>{"Error saving file."});
    EXPECT_EQ(FileBytes(backup), before);
    SetFileAttributesA(backup.c_str(), FILE_ATTRIBUTE_NORMAL);
}
