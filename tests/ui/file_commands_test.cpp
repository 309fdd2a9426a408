#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "model/file/dated_copies.h"
#include "model/file/encrypted_file.h"
#include "model/file/exchange_rules.h"
#include "model/statements/csv_mapping.h"
#include "platform/platform_file.h"
#include "platform/platform_folder.h"
#include "resources/resource.h"
#include "sample_files.h"

namespace {

using FileCommands = SampleFileOpen;

}  // namespace

TEST(StartAndClose, AQuotedFileIsOpenedSavedOnClosingAndOpenedAgainAtTheNextStartUnlessGone) {
    const std::string path = SampleFile("quoted name.pwf");
    Document expected;
    {
        Driver driver(("\"" + path + "\"").c_str(), Driver::Settings::Fresh, {CloseAccounts()});
        EXPECT_EQ(WindowText(App.frame), "Pennywhist - quoted name");
        EXPECT_FALSE(IsWindowVisible(App.transactionList));  // no account is current
        EXPECT_TRUE(IsWindowVisible(App.statsPanel));
        EXPECT_TRUE(MenuEnabled(IDM_SAVE) && MenuEnabled(IDM_ACCOUNTS) && !MenuEnabled(IDM_NEW_TRANSACTION));
        EXPECT_TRUE(ButtonEnabled(IDM_ACCOUNTS) && !ButtonEnabled(IDM_NEW_TRANSACTION));

        Program.document.GetAccount(1).name = "Groceries";
        expected = Program.document;
        PostMessageA(App.frame, WM_COMMAND, IDM_CLOSE, 0);  // no question
        EXPECT_EQ(driver.RunToEnd(), 0);
    }
    EXPECT_EQ(Loaded(path), expected);
    {
        Driver driver("", Driver::Settings::Kept, {CloseAccounts()});
        EXPECT_EQ(Program.currentFile, path);
    }
    DeleteFileA(path.c_str());
    Driver driver("", Driver::Settings::Kept);  // no message box: the driver fails on any
    EXPECT_EQ(Program.currentFile, "");
}

TEST(StartAndClose, AFileOpenInAnotherWindowIsSaidAndNotOpenedAtStartUp) {
    const std::string path = SampleFile("shared.pwf");
    {
        Driver driver(path.c_str(), Driver::Settings::Fresh, {CloseAccounts()});
        PostMessageA(App.frame, WM_COMMAND, IDM_CLOSE, 0);
        EXPECT_EQ(driver.RunToEnd(), 0);  // shared.pwf is now the last file
    }
    DataFileLock otherWindow;
    ASSERT_TRUE(otherWindow.Acquire(path));
    for (const char* commandLine : {path.c_str(), ""}) {
        std::string message;
        Driver driver(commandLine, Driver::Settings::Kept, {AnswerMessage(message)});
        EXPECT_EQ(message, "This file is open in another Pennywhist window.") << commandLine;
        EXPECT_EQ(Program.currentFile, "");
        EXPECT_EQ(Program.document, Document());
    }
}

TEST_F(FileCommands, OpenKeepsTheOpenFileForABadFileOrACancelledPassword) {
    const std::string bad = TestFile("bad.pwf");
    std::ofstream(bad, std::ios::binary) << "not a Pennywhist file";
    Document lockedDocument = SampleDocument();
    lockedDocument.password = "Secret";
    const std::string locked = SampleFile("locked.pwf", lockedDocument);
    std::string message;
    driver.Command(IDM_OPEN, {ChooseFile(bad), AnswerMessage(message)});
    EXPECT_EQ(message, "Error opening file.");

    driver.Command(IDM_OPEN, {ChooseFile(locked), [&](ModalWindow& prompt) {
        prompt.SetText(IDC_OPENING_PASSWORD, "secret");
        ExpectRefusal(driver, prompt, IDOK, IDC_OPENING_PASSWORD);
        prompt.Click(IDCANCEL);
    }});
    EXPECT_EQ(Program.currentFile, TestFile("sample.pwf"));
    EXPECT_EQ(Program.document, SampleDocument());

    driver.Command(IDM_OPEN, {ChooseFile(locked), EnterText(IDC_OPENING_PASSWORD, "Secret"), CloseAccounts()});
    EXPECT_EQ(Program.currentFile, locked);
    EXPECT_EQ(Program.document, lockedDocument);
}

TEST_F(FileCommands, AnEncryptedFileAsksItsPasswordAndEncryptionTurnsOff) {
    const std::string path = TestFile("sample.pwf");
    // The 30 characters a password holds; what is typed after them does not count.
    const std::string password = "Open sesame, and open it wide!";
    // The box asks for a password to encrypt with, then takes one.
    driver.Command(IDM_PASSWORD, {[&](ModalWindow& dialog) {
        EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), IDC_ENCRYPT_FILE), UINT(BST_UNCHECKED));
        dialog.Choose(IDC_ENCRYPT_FILE);
        std::string message;
        driver.Click(dialog, IDOK, {AnswerMessage(message)});
        EXPECT_EQ(message, "Enter a password to encrypt the file.");
        dialog.SetText(IDC_NEW_PASSWORD, (password + " now").c_str());
        dialog.SetText(IDC_VERIFY_PASSWORD, password.c_str());
        dialog.Click(IDOK);
    }});
    ASSERT_TRUE(Program.document.protection.encrypted);
    driver.Command(IDM_SAVE);
    const std::string bytes = FileBytes(path);
    EXPECT_TRUE(IsEncryptedFile({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}));
    EXPECT_EQ(bytes.find("Corner Market"), std::string::npos);
    EXPECT_EQ(bytes.find("Open sesame"), std::string::npos);

    // Another file, then this one again: its password is asked, a wrong one refused.
    const std::string plain = SampleFile("plain.pwf");
    driver.Command(IDM_OPEN, {ChooseFile(plain), CloseAccounts()});
    EXPECT_FALSE(Program.document.protection.encrypted);
    driver.Command(IDM_OPEN, {ChooseFile(path), [&](ModalWindow& prompt) {
        prompt.SetText(IDC_OPENING_PASSWORD, "open sesame");
        ExpectRefusal(driver, prompt, IDOK, IDC_OPENING_PASSWORD);
        prompt.SetText(IDC_OPENING_PASSWORD, (password + "!!").c_str());
        prompt.Click(IDOK);
    }, CloseAccounts()});
    EXPECT_EQ(Program.currentFile, path);
    EXPECT_TRUE(Program.document.protection.encrypted);
    EXPECT_EQ(Program.document.password.view(), password);
    EXPECT_EQ(Program.document.GetAccount(0).name.view(), "Checking");

    // Unticked: the next save writes a plain file again, the password kept.
    driver.Command(IDM_PASSWORD, {[&](ModalWindow& dialog) {
        EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), IDC_ENCRYPT_FILE), UINT(BST_CHECKED));
        dialog.SetText(IDC_CURRENT_PASSWORD, password.c_str());
        dialog.SetText(IDC_NEW_PASSWORD, password.c_str());
        dialog.SetText(IDC_VERIFY_PASSWORD, password.c_str());
        dialog.Choose(IDC_ENCRYPT_FILE);
        dialog.Click(IDOK);
    }});
    driver.Command(IDM_SAVE);
    Document reopened = Loaded(path);
    EXPECT_EQ(reopened.password.view(), password);
    EXPECT_FALSE(reopened.protection.encrypted);
}

TEST_F(FileCommands, OpenSaysWhenTheImportedStatementMarksCannotBeRead) {
    Document marked = SampleDocument();
    marked.accounts[0].bankIds = {{1, "FIT-1"}};
    const std::string path = SampleFile("marked.pwf", marked);
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekg(-1, std::ios::end);
    const char check = static_cast<char>(file.get() ^ 0xFF);  // the block's check no longer fits
    file.seekp(-1, std::ios::end).put(check);
    file.close();
    std::string message;
    driver.Command(IDM_OPEN, {ChooseFile(path), AnswerMessage(message), CloseAccounts()});
    EXPECT_NE(message, "");
    EXPECT_EQ(Program.currentFile, path);
    EXPECT_EQ(Program.document, SampleDocument()) << "everything but the marks";
}

TEST_F(FileCommands, NewFileSavesTheOpenFileFirstAndItsWizardSetsUpTheAccounts) {
    const std::string created = TestFile("created.pwf");
    Program.document.GetAccount(0).name = "Renamed";  // unsaved work
    driver.OnModal(ChooseFile(created));
    driver.OnModal([&](ModalWindow& wizard) {
        EXPECT_FALSE(wizard.IsControlEnabled(IDOK) || wizard.IsControlEnabled(IDC_STEP_PASSWORD));
        wizard.Click(IDC_STEP_ACCOUNTS);  // New Account cancelled: the step is not done
        EXPECT_FALSE(wizard.IsControlEnabled(IDOK) || wizard.IsControlVisible(IDC_TICK_ACCOUNTS));
        wizard.Click(IDC_STEP_ACCOUNTS);
        EXPECT_TRUE(wizard.IsControlEnabled(IDOK) && wizard.IsControlVisible(IDC_TICK_ACCOUNTS));
        std::string opened;
        for (const int step : {IDC_STEP_CATEGORIES, IDC_STEP_BILLS_DEPOSITS}) {
            driver.Click(wizard, step, {[&](ModalWindow& dialog) {
                opened += dialog.Title() + ";";
                dialog.Click(IDCANCEL);
            }});
        }
        EXPECT_EQ(opened, "Categories;Bills & Deposits;");
        wizard.Click(IDC_STEP_PASSWORD);
        EXPECT_TRUE(wizard.IsControlVisible(IDC_TICK_PASSWORD));
        wizard.Click(IDOK);
    });
    // Step 1: New Account cancelled, then two Bank accounts; Yes asks for another one before the step ends.
    driver.OnModal(Press(IDCANCEL));
    for (const auto& [name, another] : {std::pair{"Wallet", IDYES}, std::pair{"Purse", IDNO}}) {
        driver.OnModal(Press(IDOK));
        driver.OnModal(EnterText(IDC_ACCOUNT_NAME, name));
        driver.OnModal(Press(another));
    }
    driver.OnModal([](ModalWindow& password) {
        EXPECT_EQ(password.Title(), "Password");
        password.Click(IDCANCEL);
    });
    Texts listed;
    driver.Command(IDM_NEW_FILE, {[&](ModalWindow& accounts) {
        listed = ColumnTexts(GetDlgItem(accounts.Handle(), IDC_ACCOUNT_LIST), 0);
        accounts.Click(IDCANCEL);
    }});
    EXPECT_EQ(listed, (Texts{"Wallet", "Purse"}));
    EXPECT_EQ(WindowText(App.frame), "Pennywhist - created");
    EXPECT_EQ(Loaded(TestFile("sample.pwf")).GetAccount(0).name.view(), "Renamed");
    EXPECT_FALSE(FileExists(created));  // only in memory until saved
    driver.Command(IDM_SAVE);
    EXPECT_EQ(Loaded(created), Program.document);
}

TEST_F(FileCommands, SaveAsWritesTheNewFileAndLeavesTheOldOneAsItWas) {
    const std::string renamed = TestFile("renamed.pwf");
    Program.document.GetAccount(0).name = "Everyday";
    driver.Command(IDM_SAVE_AS, {ChooseFile(renamed)});
    EXPECT_EQ(WindowText(App.frame), "Pennywhist - renamed (Everyday)");
    EXPECT_EQ(FileBytes(TestFile("sample.pwf")), FileBytes(SampleFile("copy.pwf")));
    EXPECT_EQ(Loaded(renamed), Program.document);
}

TEST_F(FileCommands, AFileOpenInAnotherWindowIsNotOpenedCreatedOrSavedOver) {
    const std::string sample = TestFile("sample.pwf");
    Document otherDocument;
    NewFileSetup(otherDocument);
    const std::string other = SampleFile("other.pwf", otherDocument);
    const std::string otherBytes = FileBytes(other);
    DataFileLock otherWindow;
    ASSERT_TRUE(otherWindow.Acquire(other));
    DataFileLock probe;
    EXPECT_FALSE(probe.Acquire(sample)) << "this window holds its own file";

    std::string message;
    driver.Command(IDM_OPEN, {ChooseFile(other), AnswerMessage(message)});
    EXPECT_EQ(message, "This file is open in another Pennywhist window.");
    message.clear();
    // The file dialogs ask first whether to replace the file; then no wizard follows.
    driver.Command(IDM_NEW_FILE, {ChooseFile(other), Press(IDYES), AnswerMessage(message)});
    EXPECT_EQ(message, "This file is open in another Pennywhist window.");
    message.clear();
    driver.Command(IDM_SAVE_AS, {ChooseFile(other), Press(IDYES), AnswerMessage(message)});
    EXPECT_EQ(message, "This file is open in another Pennywhist window.");
    EXPECT_EQ(Program.currentFile, sample);
    EXPECT_EQ(Program.document, SampleDocument());
    EXPECT_EQ(FileBytes(other), otherBytes);

    // The file open here opens again; once the other window lets go, so does the other.
    driver.Command(IDM_OPEN, {ChooseFile(sample), CloseAccounts()});
    EXPECT_EQ(Program.currentFile, sample);
    otherWindow.Reset();
    driver.Command(IDM_OPEN, {ChooseFile(other), CloseAccounts()});
    EXPECT_EQ(Program.currentFile, other);
    EXPECT_EQ(Program.document, otherDocument);
    EXPECT_TRUE(probe.Acquire(sample)) << "the file no longer open here is let go";
    EXPECT_FALSE(otherWindow.Acquire(other));
}

TEST_F(FileCommands, SaveAsksBeforeWritingOverAFileChangedOutsideAndNoKeepsTheWorkForSaveAs) {
    const std::string path = TestFile("sample.pwf");
    Program.document.GetAccount(0).name = "Everyday";  // unsaved work
    const Document work = Program.document;
    Document outsideDocument = SampleDocument();
    outsideDocument.GetAccount(1).name = "Groceries";
    SampleFile("sample.pwf", outsideDocument);  // another program writes the file
    const std::string outside = FileBytes(path);

    std::string question;
    driver.Command(IDM_SAVE, {AnswerMessage(question, IDNO)});
    EXPECT_EQ(question, "The file was changed outside Pennywhist since you opened it. Save over it?");
    EXPECT_EQ(FileBytes(path), outside);
    EXPECT_EQ(Program.document, work);
    driver.Command(IDM_OPEN, {AnswerMessage(question, IDNO)});  // no file dialog follows
    // Closing after No asks whether to close anyway; No keeps the window.
    std::string closing;
    driver.OnModal(AnswerMessage(question, IDNO));
    driver.OnModal(AnswerMessage(closing, IDNO));
    SendMessageA(App.frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(closing, "Close anyway? Changes since the last save will be lost.");
    EXPECT_TRUE(IsWindow(App.frame));

    const std::string kept = TestFile("kept.pwf");
    driver.Command(IDM_SAVE_AS, {ChooseFile(kept)});  // no question
    EXPECT_EQ(Loaded(kept), work);
    EXPECT_EQ(FileBytes(path), outside);

    // Touched behind the program: Yes saves over it.
    const HANDLE file = CreateFileA(kept.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    FILETIME written;
    GetFileTime(file, nullptr, nullptr, &written);
    written.dwHighDateTime += 1;
    SetFileTime(file, nullptr, nullptr, &written);
    CloseHandle(file);
    Program.document.GetAccount(0).name = "Daily";
    question.clear();
    driver.Command(IDM_SAVE, {AnswerMessage(question, IDYES)});
    EXPECT_NE(question, "");
    EXPECT_EQ(Loaded(kept), Program.document);
    driver.Command(IDM_SAVE);  // the stamp is the new file's: no question

    // Deleted behind the program: written again without asking.
    DeleteFileA(kept.c_str());
    driver.Command(IDM_SAVE);
    EXPECT_EQ(Loaded(kept), Program.document);
}

TEST_F(FileCommands, PasswordIsSetAfterARefusalThenClearedWithANotice) {
    driver.Command(IDM_PASSWORD, {[&](ModalWindow& dialog) {
        EXPECT_FALSE(dialog.IsControlEnabled(IDC_CURRENT_PASSWORD));  // there is none yet
        dialog.SetText(IDC_NEW_PASSWORD, "Secret");
        dialog.SetText(IDC_VERIFY_PASSWORD, "secret");
        ExpectRefusal(driver, dialog, IDOK, IDC_NEW_PASSWORD);
        dialog.SetText(IDC_VERIFY_PASSWORD, "Secret");
        dialog.Click(IDOK);  // silently: the driver fails the test on any message
    }});
    EXPECT_EQ(Program.document.password, Text31("Secret"));

    std::string notice;
    driver.Command(IDM_PASSWORD, {[&](ModalWindow& dialog) {
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog.Handle(), IDC_CURRENT_PASSWORD));
        dialog.SetText(IDC_CURRENT_PASSWORD, "Secret");
        driver.Click(dialog, IDOK, {AnswerMessage(notice)});
    }});
    EXPECT_TRUE(Program.document.password.empty());
    EXPECT_NE(notice, "");
}

TEST_F(FileCommands, EndingTheWindowsSessionSavesTheOpenFile) {
    Program.document.GetAccount(1).name = "Groceries";
    EXPECT_TRUE(SendMessageA(App.frame, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    SendMessageA(App.frame, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(Loaded(TestFile("sample.pwf")), Program.document);
}

TEST_F(FileCommands, AFileThatCannotBeSavedStopsOpenAndClosingAsksFirst) {
    const std::string path = TestFile("sample.pwf");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    std::string error, question;
    driver.Command(IDM_OPEN, {AnswerMessage(error)});  // no file dialog follows
    EXPECT_EQ(error, "Error saving file.");
    // The save fails again, then the question is answered.
    const auto answerFailedSave = [&](int answer) {
        driver.OnModal(AnswerMessage(error));
        driver.OnModal(AnswerMessage(question, answer));
    };
    answerFailedSave(IDNO);
    SendMessageA(App.frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(question, "Close anyway? Changes since the last save will be lost.");
    EXPECT_TRUE(IsWindow(App.frame));
    // Logging off asks the same; No keeps the session.
    answerFailedSave(IDNO);
    EXPECT_FALSE(SendMessageA(App.frame, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    answerFailedSave(IDYES);
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
    EXPECT_EQ(Loaded(path), smaller);

    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(SampleDocument().Save(path));
    EXPECT_EQ(FileBytes(path), fresh);
    EXPECT_FALSE(FileExists(path + ".saving"));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_FALSE(smaller.Save(TestFile("missing\\money.pwf")));
}

// The lock file of the lock that keeps other windows off a data file.
TEST(WindowsDataFileLock, TheHiddenLockFileGoesWithItsHolderAndNotWithARefusedTry) {
    const std::string path = TestFile("locked-by-test.pwf");
    const std::string lockFile = path + kLockFileSuffix;
    DataFileLock holder, second, third;
    ASSERT_TRUE(holder.Acquire(path));
    EXPECT_TRUE(GetFileAttributesA(lockFile.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_FALSE(second.Acquire(path));
    EXPECT_TRUE(FileExists(lockFile));
    EXPECT_FALSE(third.Acquire(path)) << "still held after a refused try let go of the file";
    EXPECT_TRUE(holder.IsFor(TestFolder() + "\\LOCKED-BY-TEST.PWF"));
    holder.Reset();
    EXPECT_FALSE(FileExists(lockFile));
    EXPECT_TRUE(second.Acquire(path));
    EXPECT_FALSE(third.Acquire(path));
    second.Reset();
    EXPECT_FALSE(FileExists(lockFile));
}

namespace {

// A 1.1x account file: "Checking" with an opening amount of 250, three
// category names and ten transactions of the second one.
std::string LegacyFile(const char* name) {
    std::string bytes("Pennywhist Account\0", 19);
    // Each value as stored: an int is 4 bytes, a double 8.
    const auto put = [&](auto... values) { (bytes.append(reinterpret_cast<const char*>(&values), sizeof values), ...); };
    const auto text = [&](const std::string& value, std::size_t width) {
        bytes += value;
        bytes.append(width - value.size(), '\0');
    };
    put(2);
    text("Checking", 31);
    text("", 251 + 31);  // no comment, no account number
    put(250.0, 0.0, 0, 0.0, 3);
    for (const char* category : {"Groceries", "Pets", "none/miscellaneous"}) text(category, 31);
    put(0, 10);
    for (int i = 0; i < 10; ++i) {
        put(1, 5.0 + i, 1);
        text("Vet", 251);
        put(5, 1 + i, 2025, 0, 0, 0);
    }
    const std::string path = TestFile(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

}  // namespace

TEST_F(FileCommands, ImportAnAccountThenSwitchToItAndSetItsDetails) {
    const std::string legacy = LegacyFile("old.pwa");
    LPARAM range = 0;
    driver.OnModal([&](ModalWindow& dialog) {
        EXPECT_FALSE(dialog.IsControlVisible(IDC_IMPORT_PROGRESS));  // until the import runs
        // The pointer off the program's windows, so that none puts its own cursor in place of the wait cursor.
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        ExpectRefusal(driver, dialog, IDOK, IDC_IMPORT_FILE);
        dialog.SetText(IDC_IMPORT_FILE, legacy.c_str());
        dialog.Choose(IDC_TYPE_CASH);
        driver.Click(dialog, IDOK, {[&](ModalWindow& question) {
            range = SendDlgItemMessageA(dialog.Handle(), IDC_IMPORT_PROGRESS, PBM_GETRANGE, FALSE, 0);
            EXPECT_NE(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));  // the work is done
            question.Click(IDYES);
        }});
    });
    driver.OnModal([](ModalWindow& details) {
        EXPECT_EQ(details.Text(IDC_ACCOUNT_NAME), "Checking (import)");
        details.SetText(IDC_ACCOUNT_NAME, "Vet bills");
        details.Click(IDOK);
    });
    driver.Command(IDM_IMPORT);
    EXPECT_EQ(range, 13);  // three names and ten transactions
    ASSERT_EQ(Program.document.AccountCount(), 3);
    const Account& imported = Program.document.GetAccount(2);
    EXPECT_EQ(std::pair(imported.type, imported.TransactionCount()), std::pair(std::int32_t(AccountTypeCash), 11));
    EXPECT_EQ(WindowText(App.frame), "Pennywhist - sample (Vet bills)");
}

TEST_F(FileCommands, BackupThenRestoreBringsTheOldDataBackWithTheCurrentPassword) {
    const std::string backup = TestFile("backup.pwf");
    // The dialog with `button` pressed, the message boxes answered in turn; a
    // restore that works opens the Accounts dialog afterwards.
    const auto run = [&](const std::string& location, int button, std::vector<int> answers, bool restores = false) {
        Texts messages(answers.size());
        driver.Command(IDM_BACKUP_RESTORE, {[&](ModalWindow& dialog) {
            dialog.SetText(IDC_BACKUP_LOCATION, location.c_str());
            for (std::size_t i = answers.size(); i-- > 0;) driver.OnModalNext(AnswerMessage(messages[i], answers[i]));
            if (restores) driver.OnModal(CloseAccounts());
            dialog.Click(button);
        }});
        return messages;
    };
    // A location too long for the backup's path keeps its text to be corrected; the box takes no more than can pass.
    driver.Command(IDM_BACKUP_RESTORE, {[&](ModalWindow& dialog) {
        HWND box = GetDlgItem(dialog.Handle(), IDC_BACKUP_LOCATION);
        EXPECT_EQ(SendMessageA(box, EM_GETLIMITTEXT, 0, 0), LRESULT(kMaxBackupLocationLength));
        const std::string tooLong = "C:\\" + std::string(kMaxBackupLocationLength - 3, 'd');
        dialog.SetText(IDC_BACKUP_LOCATION, tooLong.c_str());
        ExpectRefusal(driver, dialog, IDOK, IDC_BACKUP_LOCATION);
        EXPECT_EQ(dialog.Text(IDC_BACKUP_LOCATION), tooLong);
        dialog.Click(IDCANCEL);
    }});
    EXPECT_EQ(run(TestFolder(), IDOK, {IDOK}), Texts{"Backup successful."});
    EXPECT_EQ(FileBytes(backup), FileBytes(TestFile("sample.pwf")));

    Program.document.GetAccount(0).name = "Renamed";
    Program.document.password = "Now";
    const std::string warning = "WARNING:  This will replace the current data with the backup file's data.\n\nAre you sure?";
    CreateDirectoryA(TestFile("empty").c_str(), nullptr);
    EXPECT_EQ(run(TestFile("empty"), IDC_RESTORE, {IDYES, IDOK}),
              (Texts{warning, "Error opening file."}));
    EXPECT_EQ(Program.document.GetAccount(0).name.view(), "Renamed");

    EXPECT_EQ(run(TestFolder() + "\\", IDC_RESTORE, {IDYES, IDOK}, true),
              (Texts{warning, "Restore successful."}));
    EXPECT_EQ(Program.document.GetAccount(0).name.view(), "Checking");
    EXPECT_EQ(Program.document.password.view(), "Now");
    EXPECT_EQ(Program.CurrentAccountIndex, -1);

    // A backup that cannot be replaced (what stays of it is the save's, tested above).
    SetFileAttributesA(backup.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(run(TestFolder(), IDOK, {IDOK}), Texts{"Error saving file."});
    SetFileAttributesA(backup.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FileCommands, EachSaveKeepsADatedCopyAndTheOldestComesBackFromTheList) {
    std::filesystem::remove_all(TestFile("Backups"));
    // Options: the number of copies is checked, then stored.
    driver.Command(IDM_OPTIONS, {[&](ModalWindow& dialog) {
        EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), IDC_KEEP_DATED_COPIES), UINT(BST_CHECKED));
        EXPECT_EQ(dialog.Text(IDC_COPIES_TO_KEEP), "10");
        dialog.SetText(IDC_COPIES_TO_KEEP, "0");
        ExpectRefusal(driver, dialog, IDOK, IDC_COPIES_TO_KEEP);
        dialog.SetText(IDC_COPIES_TO_KEEP, "5");
        dialog.Click(IDOK);
    }});
    DWORD stored = 0, size = sizeof stored;
    RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, "DatedCopiesToKeep", RRF_RT_REG_DWORD, nullptr, &stored, &size);
    EXPECT_EQ(stored, 5u);

    for (const char* name : {"First", "Second", "Third"}) {
        Program.document.GetAccount(0).name = name;
        driver.Command(IDM_SAVE);
    }
    EXPECT_EQ(FileNamesIn(TestFile("Backups")).size(), 3u);

    // The list, newest first, and the oldest copy (the file as it was opened) restored.
    Texts messages(2);
    driver.Command(IDM_BACKUP_RESTORE, {[&](ModalWindow& backup) {
        driver.Click(backup, IDC_RESTORE_DATED_COPY, {[&](ModalWindow& copies) {
            HWND list = GetDlgItem(copies.Handle(), IDC_DATED_COPY_LIST);
            ASSERT_EQ(ListRowCount(list), 3);
            EXPECT_EQ(ListCell(list, 2, 2), "2");  // accounts
            EXPECT_EQ(ListCell(list, 2, 3), "5");  // transactions
            ListView_SetItemState(list, 2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            driver.OnModalNext(AnswerMessage(messages[1]));
            driver.OnModalNext(AnswerMessage(messages[0], IDYES));
            driver.OnModal(CloseAccounts());
            copies.Click(IDOK);
        }});
    }});
    EXPECT_EQ(messages, (Texts{"WARNING:  This will replace the current data with the backup file's data.\n\nAre you sure?",
                               "Restore successful."}));
    EXPECT_EQ(Program.document.GetAccount(0).name.view(), "Checking");
    // What was open is a copy of its own.
    const std::vector<DatedCopy> copies = DatedCopiesAmong(FileNamesIn(TestFile("Backups")), "sample");
    ASSERT_EQ(copies.size(), 4u);
    EXPECT_EQ(Loaded(TestFile("Backups") + "\\" + copies[0].name).GetAccount(0).name.view(), "Third");
}

TEST_F(FileCommands, ImportStatementShowsWhatIsNewAndASecondImportAddsNothing) {
    const std::string path = TestFile("march.ofx");
    std::ofstream(path) << "OFXHEADER:100\nDATA:OFXSGML\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS>"
                           "<BANKACCTFROM><ACCTID>12345</BANKACCTFROM><BANKTRANLIST>"
                           "<STMTTRN><DTPOSTED>20260314<TRNAMT>-45.50<FITID>A1<NAME>CORNER MARKET</STMTTRN>"
                           "<STMTTRN><DTPOSTED>20260316<TRNAMT>-9.99<FITID>A2<NAME>Bookshop</STMTTRN>"
                           "<STMTTRN><DTPOSTED>20260315<TRNAMT>20.00<FITID>A3<NAME>Refund</STMTTRN>"
                           "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";
    SelectAccount(1);
    EXPECT_TRUE(MenuEnabled(IDM_IMPORT_STATEMENT));
    std::string done;
    const auto preview = [&](Texts statuses) {
        return [&, statuses](ModalWindow& dialog) {
            EXPECT_EQ(dialog.Text(IDC_STATEMENT_ACCOUNT), "Checking") << "the account whose number the statement names";
            EXPECT_EQ(ColumnTexts(GetDlgItem(dialog.Handle(), IDC_STATEMENT_LINES), 6), statuses);
            EXPECT_EQ(GetDlgItem(dialog.Handle(), IDC_CSV_PANEL), nullptr);
            // Space unticks the selected line and ticks it again.
            HWND lines = GetDlgItem(dialog.Handle(), IDC_STATEMENT_LINES);
            const std::string summary = dialog.Text(IDC_STATEMENT_SUMMARY);
            SelectListRow(lines, 1);
            SendMessageA(lines, WM_KEYDOWN, VK_SPACE, 0);
            EXPECT_NE(dialog.Text(IDC_STATEMENT_SUMMARY), summary);
            SendMessageA(lines, WM_KEYDOWN, VK_SPACE, 0);
            EXPECT_EQ(dialog.Text(IDC_STATEMENT_SUMMARY), summary);
            driver.Click(dialog, IDOK, {AnswerMessage(done)});
            if (IsWindowVisible(dialog.Handle())) dialog.Click(IDCANCEL);  // nothing was ticked
        };
    };
    driver.Command(IDM_IMPORT_STATEMENT, {ChooseFile(path), preview({"Already in the account", "New", "New"})});
    EXPECT_EQ(done, "2 transactions were added. 1 was already in the account and was skipped.");
    EXPECT_EQ(Program.CurrentAccountIndex, 0);
    EXPECT_EQ(ListRowCount(App.transactionList), 6);
    EXPECT_EQ(*Program.document.GetAccount(0).BankIdOf(5), "A2") << "in date order after the others";

    done.clear();
    const Texts already(3, "Already in the account");
    driver.Command(IDM_IMPORT_STATEMENT, {ChooseFile(path), preview(already)});
    EXPECT_NE(done, "") << "nothing is ticked";
    EXPECT_EQ(Program.document.GetAccount(0).TransactionCount(), 6);
}

TEST_F(FileCommands, ImportStatementMapsCsvColumnsInItsPanelAndSavesTheMappingAsAProfile) {
    const std::string path = TestFile("march.csv");
    std::ofstream(path) << "Date,Description,Amount\n03/18/2026,Cafe,-3.50\n03/19/2026,Bakery,-2.25\n";
    driver.Command(IDM_IMPORT_STATEMENT, {ChooseFile(path), [](ModalWindow& dialog) {
        HWND panel = GetDlgItem(dialog.Handle(), IDC_CSV_PANEL);
        ASSERT_TRUE(IsWindowVisible(panel));
        HWND lines = GetDlgItem(dialog.Handle(), IDC_STATEMENT_LINES);
        EXPECT_EQ(ListRowCount(lines), 2);
        // No amount column: no line reads.
        ModalWindow columns(panel);
        columns.Pick(IDC_CSV_AMOUNT, 0);
        EXPECT_EQ(ListRowCount(lines), 0);
        columns.Pick(IDC_CSV_AMOUNT, 3);
        EXPECT_EQ(ListRowCount(lines), 2);
        SetDlgItemTextA(panel, IDC_CSV_PROFILE, "My bank");
        SendDlgItemMessageA(panel, IDC_CSV_SAVE_PROFILE, BM_CLICK, 0, 0);
        dialog.Click(IDCANCEL);
    }});
    const std::string key = std::string(kSettingsKey) + "\\Statement Profiles";
    char text[512] = {};
    DWORD size = sizeof text;
    ASSERT_EQ(RegGetValueA(HKEY_CURRENT_USER, key.c_str(), "My bank", RRF_RT_REG_SZ, nullptr, text, &size), ERROR_SUCCESS);
    EXPECT_TRUE(CsvMappingOfProfile(text)) << text;
    EXPECT_EQ(Program.document.GetAccount(0).TransactionCount(), 4) << "Cancel imports nothing";
}

TEST_F(FileCommands, ReconcileAnImportedStatementToNoDifferenceThenTheMarksOutliveASaveAndAnOpen) {
    const std::string path = TestFile("ledger.ofx");
    std::ofstream(path) << "<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><BANKACCTFROM><ACCTID>12345</BANKACCTFROM><BANKTRANLIST>"
                           "<STMTTRN><DTPOSTED>20260316<TRNAMT>-9.99<FITID>B1<NAME>Bookshop</STMTTRN></BANKTRANLIST>"
                           "<LEDGERBAL><BALAMT>1074.51<DTASOF>20260319</LEDGERBAL></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>";
    driver.Command(IDM_IMPORT_STATEMENT, {ChooseFile(path), Press(IDOK), Press(IDOK)});
    ASSERT_EQ(Program.document.GetAccount(0).TransactionCount(), 5);
    driver.OnModal([&](ModalWindow& dialog) {
        EXPECT_EQ(dialog.Text(IDC_RECONCILE_BALANCE), "1074.51") << "the statement's closing balance";
        EXPECT_EQ(dialog.Text(IDC_RECONCILE_CLEARED), "-9.99") << "the imported line starts ticked";
        EXPECT_FALSE(dialog.IsControlEnabled(IDOK));
        dialog.Click(IDC_TICK_ALL);
        EXPECT_EQ(dialog.Text(IDC_RECONCILE_DIFFERENCE), "0.00");
        dialog.Click(IDOK);
    });
    driver.PressKey('R', {VK_CONTROL});
    HWND list = App.transactionList;
    for (int row = 0; row < ListRowCount(list); ++row)
        EXPECT_EQ(ListView_GetItemState(list, row, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(3)) << row;
    EXPECT_EQ(Stat(IDC_CLEARED_BALANCE), "1074.51");
    SelectListRow(list, 0);
    std::string asked;
    driver.Command(IDM_DELETE_TRANSACTION, {AnswerMessage(asked, IDNO)});
    EXPECT_NE(asked, "") << "a reconciled transaction is deleted only after a question";
    EXPECT_EQ(Program.document.GetAccount(0).TransactionCount(), 5);

    driver.Command(IDM_SAVE);
    const std::string saved = Program.currentFile;
    driver.Command(IDM_OPEN, {ChooseFile(saved), CloseAccounts()});
    for (const Transaction& t : Program.document.GetAccount(0).transactions) EXPECT_EQ(t.mark, MarkReconciled);
}
