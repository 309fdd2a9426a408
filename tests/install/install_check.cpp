// The installer as a user meets it, in a fresh Wine prefix (install_test.sh
// makes the prefix and the setup program):
//   install_check SETUP.exe BUILD_PROGRAMS_DIR EXAMPLE.pwf
// A silent install; the files, registry values and Start menu shortcut it
// leaves; a double click on a .pwf in the user's documents (the shell's open
// verb) starting the installed program on that file; Help > Getting Started
// reaching the installed help file; a silent uninstall that takes all of that
// away again and leaves the user's .pwf files and settings alone. Then the
// same in a folder of the user's choosing.

#include <windows.h>
#include <shlobj.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/main_window.h"
#include "help_windows.h"
#include "resources/resource.h"

namespace {

std::string gSetup;
std::string gBuildPrograms;
std::string gExample;

constexpr char kMachineKey[] = "Software\\Orvanel Software\\Pennywhist";
constexpr char kPublisherKey[] = "Software\\Orvanel Software";
constexpr char kUserKey[] = "Software\\Orvanel Software\\Pennywhist\\2.0";
constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Pennywhist";
constexpr char kProgId[] = "Pennywhist.DataFile";
constexpr DWORD kTimeoutMs = 30'000;

std::string Folder(int csidl) {
    char path[MAX_PATH] = "";
    if (FAILED(SHGetFolderPathA(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path))) return "";
    return path;
}

bool SamePath(const std::string& a, const std::string& b) { return _stricmp(a.c_str(), b.c_str()) == 0; }

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::optional<std::string> Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Compared whole; the files are binary, so a failure names them instead of
// printing them.
bool SameContents(const std::string& a, const std::string& b) {
    const std::optional<std::string> first = Contents(a);
    return first && first == Contents(b);
}

// Paths relative to `root` of the files below it, at any depth.
std::vector<std::string> FilesBelow(const std::string& root, const std::string& relative = "") {
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((root + "\\" + relative + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            for (std::string& file : FilesBelow(root, relative + name + "\\")) files.push_back(std::move(file));
        } else {
            files.push_back(relative + name);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}

std::set<std::string> EntriesOf(const std::string& folder) {
    std::set<std::string> entries;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return entries;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") entries.insert(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return entries;
}

// The registry as a 64-bit program sees it, unless `view` says otherwise:
// a 32-bit installer that forgot its 64-bit view would have written to the
// other one.
bool KeyExists(HKEY root, const char* path, REGSAM view = KEY_WOW64_64KEY) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

std::optional<std::string> RegString(HKEY root, const std::string& path, const char* name) {
    char value[1024];
    DWORD size = sizeof value;
    if (RegGetValueA(root, path.c_str(), name, RRF_RT_REG_SZ | RRF_SUBKEY_WOW6464KEY, nullptr, value, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return std::string(value);
}

std::optional<DWORD> RegDword(HKEY root, const std::string& path, const char* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueA(root, path.c_str(), name, RRF_RT_REG_DWORD | RRF_SUBKEY_WOW6464KEY, nullptr, &value, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

// Runs a program to its end through the shell, as a user starts it, so that
// it may ask to run as administrator: "exit code N", or why there is none
// (a program that does not end in time is ended).
std::string RunToEnd(const std::string& program, const std::string& parameters) {
    SHELLEXECUTEINFOA execute{};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    execute.lpFile = program.c_str();
    execute.lpParameters = parameters.c_str();
    execute.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExA(&execute)) return "not started, error " + std::to_string(GetLastError());
    if (execute.hProcess == nullptr) return "no process";
    std::string result = "did not end within 60 s";
    if (WaitForSingleObject(execute.hProcess, 60'000) == WAIT_OBJECT_0) {
        DWORD code = 0;
        GetExitCodeProcess(execute.hProcess, &code);
        result = "exit code " + std::to_string(code);
    } else {
        TerminateProcess(execute.hProcess, 1);
    }
    CloseHandle(execute.hProcess);
    return result;
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = kTimeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

// Wine answers these for another process's window from what its server
// keeps, without a message, so a busy or blocked program cannot hang the test.
std::string TitleOf(HWND window) {
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

HWND FindTopLevel(const std::function<bool(HWND)>& wanted) {
    struct Search {
        const std::function<bool(HWND)>* wanted;
        HWND found;
    } search{&wanted, nullptr};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(parameter);
            if (!IsWindowVisible(window) || !(*s.wanted)(window)) return TRUE;
            s.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Every visible top-level window, for the message of a failed wait.
std::string VisibleWindows() {
    std::string list;
    FindTopLevel([&](HWND window) {
        list += "\n  [" + ClassName(window) + "] \"" + TitleOf(window) + "\"";
        const std::string text = TitleOf(GetDlgItem(window, 0xFFFF));
        if (!text.empty()) list += " \"" + text + "\"";
        return false;
    });
    return list.empty() ? " none" : list;
}

std::string ShortcutTarget(const std::string& link) {
    std::string target;
    IShellLinkA* shellLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&shellLink))))
        return target;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t wide[MAX_PATH] = L"";
        MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH);
        char path[MAX_PATH] = "";
        if (SUCCEEDED(file->Load(wide, STGM_READ)) &&
            SUCCEEDED(shellLink->GetPath(path, sizeof path, nullptr, SLGP_RAWPATH)))
            target = path;
        file->Release();
    }
    shellLink->Release();
    return target;
}

class Installation {
public:
    const std::string folder = Folder(CSIDL_PROGRAM_FILES) + "\\Pennywhist";
    const std::string program = folder + "\\pennywhist.exe";
    const std::string helpFile = folder + "\\pwhelp.hlp";
    const std::string uninstaller = folder + "\\uninstall.exe";
    const std::string shortcut = Folder(CSIDL_COMMON_PROGRAMS) + "\\Pennywhist.lnk";
    const std::string documentsFile = Folder(CSIDL_PERSONAL) + "\\example.pwf";
    // A user's file saved into the program's folder: the uninstaller must
    // keep it, and the folder with it.
    const std::string fileBesideProgram = folder + "\\My Accounts.pwf";
    const std::vector<std::string> helpPages = FilesBelow(gBuildPrograms + "\\html");
};

void ExpectInstalledFiles(const Installation& at) {
    EXPECT_TRUE(Exists(at.program)) << at.program;
    EXPECT_TRUE(Exists(at.uninstaller)) << at.uninstaller;
    EXPECT_TRUE(SameContents(at.helpFile, gBuildPrograms + "\\pwhelp.hlp")) << at.helpFile;
    ASSERT_FALSE(at.helpPages.empty()) << "no help pages in " << gBuildPrograms << "\\html";
    for (const std::string& page : at.helpPages)
        EXPECT_TRUE(SameContents(at.folder + "\\html\\" + page, gBuildPrograms + "\\html\\" + page)) << page;
    EXPECT_TRUE(SamePath(ShortcutTarget(at.shortcut), at.program)) << at.shortcut;
}

void ExpectInstalledRegistry(const Installation& at) {
    EXPECT_EQ(RegString(HKEY_LOCAL_MACHINE, kMachineKey, "Path"), at.folder);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kMachineKey, KEY_WOW64_32KEY)) << "written to the 32-bit view";

    const std::string classKey = kProgId;
    EXPECT_EQ(RegString(HKEY_CLASSES_ROOT, ".pwf", nullptr), kProgId);
    EXPECT_EQ(RegString(HKEY_CLASSES_ROOT, classKey, nullptr), "Pennywhist Data File");
    EXPECT_EQ(RegString(HKEY_CLASSES_ROOT, classKey + "\\DefaultIcon", nullptr), at.program + ",0");
    EXPECT_EQ(RegString(HKEY_CLASSES_ROOT, classKey + "\\shell\\open\\command", nullptr),
              "\"" + at.program + "\" \"%1\"");

    const std::string uninstaller = "\"" + at.uninstaller + "\"";
    EXPECT_EQ(RegString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"), "Pennywhist 2.0");
    EXPECT_EQ(RegString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion"), "2.0");
    EXPECT_EQ(RegString(HKEY_LOCAL_MACHINE, kUninstallKey, "Publisher"), "Orvanel Software");
    EXPECT_EQ(RegString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"), uninstaller);
    EXPECT_EQ(RegString(HKEY_LOCAL_MACHINE, kUninstallKey, "QuietUninstallString"), uninstaller + " /S");
    EXPECT_EQ(RegString(HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation"), at.folder);
    EXPECT_EQ(RegString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayIcon"), at.program + ",0");
    EXPECT_EQ(RegDword(HKEY_LOCAL_MACHINE, kUninstallKey, "NoModify"), 1u);
    EXPECT_EQ(RegDword(HKEY_LOCAL_MACHINE, kUninstallKey, "NoRepair"), 1u);
    EXPECT_GT(RegDword(HKEY_LOCAL_MACHINE, kUninstallKey, "EstimatedSize").value_or(0), 100u) << "KiB";
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey, KEY_WOW64_32KEY)) << "written to the 32-bit view";
}

// A running Pennywhist of this test; ended if a check leaves it running.
class RunningProgram {
public:
    RunningProgram() = default;
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;
    ~RunningProgram() {
        if (process_ == nullptr) return;
        if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
        CloseHandle(process_);
    }

    void Attach(HANDLE process) { process_ = process; }
    HANDLE Handle() const { return process_; }

private:
    HANDLE process_ = nullptr;
};

HWND FindFrame(DWORD process) {
    return FindTopLevel([&](HWND window) {
        return ClassName(window) == kMainWindowClass && ProcessOf(window) == process;
    });
}

// The shell's open verb on the data file in the user's documents, as a
// double click does it.
void OpenDataFileAsUser(const Installation& at, RunningProgram& running, HWND& frame) {
    SHELLEXECUTEINFOA execute{};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    execute.lpVerb = "open";
    execute.lpFile = at.documentsFile.c_str();
    execute.nShow = SW_SHOWNORMAL;
    ASSERT_TRUE(ShellExecuteExA(&execute)) << "the open verb of " << at.documentsFile << ", error " << GetLastError();
    ASSERT_NE(execute.hProcess, nullptr) << "the open verb started no process";
    running.Attach(execute.hProcess);

    const DWORD process = GetProcessId(execute.hProcess);
    ASSERT_TRUE(WaitUntil([&] {
        frame = FindFrame(process);
        return frame != nullptr && TitleOf(frame).rfind("Pennywhist - example", 0) == 0;
    })) << "no window titled \"Pennywhist - example\"; windows:"
        << VisibleWindows();

    char image[MAX_PATH] = "";
    DWORD size = sizeof image;
    ASSERT_TRUE(QueryFullProcessImageNameA(execute.hProcess, 0, image, &size));
    EXPECT_TRUE(SamePath(image, at.program)) << image;

    // Opening a file shows the Accounts dialog; it is closed first, as a user would.
    HWND accounts = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        accounts = FindTopLevel([&](HWND window) {
            return ClassName(window) == "#32770" && ProcessOf(window) == process && TitleOf(window) == "Accounts";
        });
        return accounts != nullptr;
    })) << "no Accounts dialog; windows:"
        << VisibleWindows();
    PostMessageA(accounts, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(accounts); }));
}

// Help > Getting Started: Wine's help engine shows the topic from the
// installed help file, which the program finds through the install folder
// the setup program wrote. The engine titles its window "Wine Help" whatever
// the file, so the topic's first line tells that it was read.
void AskForGettingStarted(HWND frame) {
    // Posted: the program waits inside WinHelp until the engine has taken the request.
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(IDM_GETTING_STARTED, 0), 0);
    HWND help = nullptr;
    const bool shown = WaitUntil([&] {
        for (HWND window : HelpWindows())
            if (FirstLineOfTopic(window) == "Getting Started") help = window;
        return help != nullptr;
    });
    ASSERT_TRUE(shown) << "no help window at Getting Started; windows:" << VisibleWindows();
    PostMessageA(help, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(help); }));
}

void CloseProgram(RunningProgram& running, HWND frame) {
    PostMessageA(frame, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(running.Handle(), kTimeoutMs), WAIT_OBJECT_0)
        << "the program did not end; windows:" << VisibleWindows();
    DWORD code = 1;
    GetExitCodeProcess(running.Handle(), &code);
    EXPECT_EQ(code, 0u);
}

void ExpectRemoved(const Installation& at) {
    EXPECT_FALSE(Exists(at.program));
    EXPECT_FALSE(Exists(at.helpFile));
    for (const std::string& page : at.helpPages) EXPECT_FALSE(Exists(at.folder + "\\html\\" + page)) << page;
    EXPECT_FALSE(Exists(at.folder + "\\html"));
    EXPECT_FALSE(Exists(at.shortcut));

    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kPublisherKey));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ".pwf"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kProgId));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
}

void ExpectUserDataKept(const Installation& at) {
    EXPECT_TRUE(Exists(at.documentsFile));
    EXPECT_TRUE(SameContents(at.fileBesideProgram, gExample)) << at.fileBesideProgram;
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kUserKey)) << "the user's settings";
}

TEST(Installer, InstallsOpensAFileWithHelpAndUninstallsCleanly) {
    const Installation at;
    ASSERT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kMachineKey)) << "the prefix is not fresh";
    ASSERT_FALSE(Exists(at.folder)) << "the prefix is not fresh";

    ASSERT_EQ(RunToEnd(gSetup, "/S"), "exit code 0") << gSetup;
    ASSERT_NO_FATAL_FAILURE(ExpectInstalledFiles(at));
    ASSERT_NO_FATAL_FAILURE(ExpectInstalledRegistry(at));

    ASSERT_TRUE(CopyFileA(gExample.c_str(), at.documentsFile.c_str(), FALSE)) << at.documentsFile;
    ASSERT_TRUE(CopyFileA(gExample.c_str(), at.fileBesideProgram.c_str(), FALSE)) << at.fileBesideProgram;
    {
        RunningProgram running;
        HWND frame = nullptr;
        ASSERT_NO_FATAL_FAILURE(OpenDataFileAsUser(at, running, frame));
        ASSERT_NO_FATAL_FAILURE(AskForGettingStarted(frame));
        ASSERT_NO_FATAL_FAILURE(CloseProgram(running, frame));
    }
    ASSERT_TRUE(KeyExists(HKEY_CURRENT_USER, kUserKey)) << "the program kept no settings";

    // _?= runs the uninstaller in place and waits for it; by itself it would
    // return at once, its copy in the temporary folder doing the work.
    ASSERT_EQ(RunToEnd(at.uninstaller, "/S _?=" + at.folder), "exit code 0");
    ExpectRemoved(at);
    ExpectUserDataKept(at);
    // Run in place, the uninstaller cannot delete itself, so the folder stays
    // with it and the user's file; nothing else may be left in it.
    EXPECT_EQ(EntriesOf(at.folder), (std::set<std::string>{"My Accounts.pwf", "uninstall.exe"}));
}

// /D= takes the rest of the command line, spaces included, unquoted.
TEST(Installer, InstallsSilentlyIntoAChosenFolder) {
    const std::string folder = Folder(CSIDL_WINDOWS).substr(0, 3) + "My Apps\\Pennywhist";
    const std::string program = folder + "\\pennywhist.exe";
    ASSERT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kMachineKey)) << "an installation is left";

    ASSERT_EQ(RunToEnd(gSetup, "/S /D=" + folder), "exit code 0") << gSetup;
    EXPECT_TRUE(Exists(program)) << program;
    EXPECT_TRUE(Exists(folder + "\\pwhelp.hlp"));
    EXPECT_EQ(RegString(HKEY_LOCAL_MACHINE, kMachineKey, "Path"), folder);
    EXPECT_EQ(RegString(HKEY_CLASSES_ROOT, std::string(kProgId) + "\\shell\\open\\command", nullptr),
              "\"" + program + "\" \"%1\"");
    EXPECT_EQ(RegString(HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation"), folder);

    ASSERT_EQ(RunToEnd(folder + "\\uninstall.exe", "/S _?=" + folder), "exit code 0");
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kPublisherKey));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kProgId));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    EXPECT_EQ(EntriesOf(folder), (std::set<std::string>{"uninstall.exe"}));
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: install_check SETUP.exe BUILD_PROGRAMS_DIR EXAMPLE.pwf\n");
        return 2;
    }
    gSetup = argv[1];
    gBuildPrograms = argv[2];
    gExample = argv[3];
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int result = RUN_ALL_TESTS();
    CoUninitialize();
    return result;
}
