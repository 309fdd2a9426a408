#include "app/file_commands.h"

#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <memory>
#include <new>
#include <optional>

#include "app/commands.h"
#include "app/current_account.h"
#include "dialogs/file/enter_password_dialog.h"
#include "dialogs/file/new_file_wizard.h"
#include "dialogs/file/password_dialog.h"
#include "model/file/atomic_save.h"
#include "model/file/dated_copies.h"
#include "model/file/encrypted_file.h"
#include "model/file/new_file.h"
#include "model/history/document_changes.h"
#include "model/tables/window_title.h"
#include "resources/resource.h"
#include "shell/program.h"

namespace {

// A file dialog of the file commands; the chosen path, or empty when cancelled.
std::string ChooseFile(bool save, const char* title, DWORD flags, const std::string& initial) {
    char path[kMaxPathLength + 1] = {};
    initial.copy(path, kMaxPathLength);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = App.frame;
    dialog.lpstrFilter = "Pennywhist (*.pwf)\0*.pwf\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.lpstrTitle = title;
    dialog.lpstrDefExt = "pwf";
    dialog.Flags = flags | OFN_EXPLORER;
    const BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    return chosen ? std::string(path) : std::string();
}

void PostCommand(int command) { PostMessageA(App.frame, WM_COMMAND, command, 0); }

bool StatsPanelShown() { return App.statsPanel != nullptr && IsWindowVisible(App.statsPanel); }

LoadedDocument ReadDataFile(const std::string& path) {
    // Stamped first: a change made while the file is read shows at the next save.
    LoadedDocument loaded{std::unique_ptr<Document>(new (std::nothrow) Document), {}, TakeFileStamp(path), {}};
    if (loaded.document && !loaded.document->Load(path, &loaded.notes)) {
        loaded.document.reset();
        if (loaded.notes.encrypted) loaded.encrypted = ReadWholeFile(path).value_or(std::vector<std::uint8_t>());
    }
    return loaded;
}

// Takes the lock `path` needs to become the open file into `lock`, which stays
// empty when this window has that file open already and keeps its own lock.
// False when another window has the file open.
bool LockForOpening(const std::string& path, std::optional<DataFileLock>& lock) {
    if (Program.currentFileLock.IsFor(path)) return true;
    return lock.emplace().Acquire(path);
}

// The file locked by LockForOpening has become the open one.
void KeepLock(std::optional<DataFileLock>& lock) {
    if (lock) Program.currentFileLock = std::move(*lock);
}

// Makes `path` the open file's path, its lock and its stamp those of the file
// there now (New File and Save As write over it, as the user chose). False,
// with the open file kept, when another window has that file open.
bool MoveOpenFileTo(const std::string& path) {
    std::optional<DataFileLock> lock;
    if (!LockForOpening(path, lock)) {
        ShowMessage(kFileOpenInAnotherWindow);
        return false;
    }
    KeepLock(lock);
    Program.currentFile = path;
    Program.currentFileStamp = TakeFileStamp(path);
    return true;
}

// The document read becomes the open one.
int Adopt(Document& document, const LoadedDocument& loaded) {
    Program.document = std::move(document);
    Program.currentFileStamp = loaded.stamp;
    Program.history.Clear();
    if (loaded.notes.extensionUnreadable) ShowMessage(kExtensionUnreadable);
    return OpenedFile;
}

// An encrypted file is read no further than its header before its password opens it.
int AdoptEncryptedFile(LoadedDocument& loaded) {
    const std::optional<EnvelopeHeader> header = ReadEnvelopeHeader(loaded.encrypted);
    if (!header) return OpenUnreadable;
    std::optional<UnlockedFile> unlocked = AskFilePassword(App.frame, *header);
    if (!unlocked) return OpenCancelled;
    WaitCursor wait;
    std::unique_ptr<Document> document(new (std::nothrow) Document);
    const bool opened =
        document && OpenEnvelope(loaded.encrypted, unlocked->protection, unlocked->password.view(), *document, &loaded.notes);
    return opened ? Adopt(*document, loaded) : OpenUnreadable;
}

// The password check and the swap, once the file has been read.
int AdoptDataFile(LoadedDocument loaded) {
    if (!loaded.document) return loaded.encrypted.empty() ? OpenUnreadable : AdoptEncryptedFile(loaded);
    Program.OpeningPassword = loaded.document->password;
    if (!Program.OpeningPassword.empty() && ShowEnterPasswordDialog(App.frame, Program.OpeningPassword) != IDOK) return OpenCancelled;
    // The file was read whole once already; it becomes the open document as it is.
    return Adopt(*loaded.document, loaded);
}

// The lock first, so that a file open in another window is neither read nor
// asked a password for; the lock changes hands only when the file opens.
int OpenLockedDataFile(const std::string& path, const std::function<LoadedDocument()>& read) {
    std::optional<DataFileLock> lock;
    if (!LockForOpening(path, lock)) return OpenInOtherWindow;
    const int result = AdoptDataFile(read());
    if (result != OpenedFile) return result;
    KeepLock(lock);
    RemoveSaveLeftover(path);
    return result;
}

}  // namespace

std::future<LoadedDocument> ReadDataFileInBackground(std::string path) {
    // Deferred too: where no thread can be made, the file is read when it is asked for.
    return std::async(std::launch::async | std::launch::deferred,
                      [path = RemoveQuotes(std::move(path))] { return ReadDataFile(path); });
}

int OpenDataFile(std::string& path) {
    WaitCursor wait;
    path = RemoveQuotes(path);
    return OpenLockedDataFile(path, [&] { return ReadDataFile(path); });
}

int OpenDataFile(std::string& path, std::future<LoadedDocument>& reading) {
    WaitCursor wait;
    path = RemoveQuotes(path);
    return OpenLockedDataFile(path, [&] { return reading.get(); });
}

bool SaveOpenFile() {
    if (Program.currentFile.empty()) return true;
    // Another program (a sync client, an editor) may have written the file
    // since it was read: its work is not overwritten unasked.
    if (ChangedOnDisk(Program.currentFileStamp, Program.currentFile) && ShowMessage(kChangedOutsideQuestion) != IDYES)
        return false;
    WaitCursor wait;
    const DatedCopyRequest copy{Program.DatedCopies, LocalTimeNow()};
    if (Program.document.Save(Program.currentFile, &copy)) {
        Program.currentFileStamp = TakeFileStamp(Program.currentFile);
        return true;
    }
    ShowMessage(kErrorSavingFile);
    return false;
}

void ShowOpenedFile(const std::string& path) {
    Program.currentFile = path;
    SelectAccount(-1);
    if (Program.ShowStats == 1 && !StatsPanelShown()) RunCommand(IDM_SHOW_STATS);
    PostCommand(IDM_ACCOUNTS);
}

void OnNewFile() {
    // The open file is saved first, as Open does, so that nothing is lost.
    if (!SaveOpenFile()) return;
    const std::string path = ChooseFile(true, "Enter a name for your new Pennywhist file",
                                        OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT, "");
    if (path.empty() || !MoveOpenFileTo(path)) return;

    const bool statsWereOn = Program.ShowStats == 1;
    if (statsWereOn && StatsPanelShown()) RunCommand(IDM_SHOW_STATS);
    {
        WaitCursor wait;
        if (!NewFileSetup(Program.document)) ShowMessage(kErrorAddingNoneCategory);
        Program.history.Clear();
    }
    SelectAccount(-1);
    if (ShowNewFileWizard(App.frame, Program.document, MainWindowViews()) == IDOK) PostCommand(IDM_ACCOUNTS);
    if (statsWereOn) RunCommand(IDM_SHOW_STATS);
}

void OnOpen() {
    // Saved even if the user then cancels; a file that cannot be saved stays open.
    if (!SaveOpenFile()) return;
    std::string path =
        ChooseFile(false, "Open Pennywhist File", OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY, "");
    if (path.empty()) return;
    switch (OpenDataFile(path)) {
    case OpenedFile:
        ShowOpenedFile(path);
        break;
    case OpenCancelled:
        break;
    case OpenInOtherWindow:
        ShowMessage(kFileOpenInAnotherWindow);
        break;
    default:
        ShowMessage(kErrorOpeningFile);
        break;
    }
}

void OnSaveAs() {
    const std::string path =
        ChooseFile(true, "Save File As", OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT, Program.currentFile);
    if (path.empty() || !MoveOpenFileTo(path)) return;
    SaveOpenFile();
    SelectAccount(Program.CurrentAccountIndex);
}

bool SaveBeforeClosing() {
    if (SaveOpenFile()) return true;
    return ShowMessage(kCloseAnywayQuestion) == IDYES;
}

void OnSave() { SaveOpenFile(); }

void OnPassword() {
    DocumentHeads before = HeadsOf(Program.document);
    if (ShowPasswordDialog(App.frame, Program.document) != IDOK || HeadsOf(Program.document) == before) return;
    const Document& document = Program.document;
    const char* name = document.password.empty()                 ? "Remove Password"
                       : document.password != before.password    ? "Set Password"
                       : document.protection.encrypted            ? "Encrypt File"
                                                                  : "Stop Encrypting File";
    Program.history.Record(HeadsStep(name, std::move(before), Program.document));
    RefreshEditMenu();
}

void OnClose() { SendMessageA(App.frame, WM_CLOSE, 0, 0); }
