// The installer as a user meets it, in a fresh Wine prefix that
// install_test.sh makes with the setup program.

#include <windows.h>
#include <shlobj.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "app/main_window.h"
#include "help_windows.h"
#include "resources/resource.h"

namespace {

std::string gSetup, gBuildPrograms, gExample;

const std::string kMachineKey = "Software\\Orvanel Software\\Pennywhist";
const std::string kPublisherKey = "Software\\Orvanel Software";
const std::string kUserKey = "Software\\Orvanel Software\\Pennywhist\\2.0";
const std::string kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Pennywhist";
const std::string kProgId = "Pennywhist.DataFile";

std::string Folder(int csidl) {
    char path[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

// Paths relative to `root` of the files and folders below it, at any depth;
// a folder's ends in '\'.
std::set<std::string> Below(const std::string& root) {
    std::set<std::string> entries;
    std::error_code error;  // none below a missing root
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root, error))
        entries.insert(entry.path().lexically_relative(root).string() + (entry.is_directory() ? "\\" : ""));
    return entries;
}

// The registry as a 64-bit program sees it, unless `view` says otherwise:
// a 32-bit installer that forgot its 64-bit view would have written to the
// other one.
bool KeyExists(HKEY root, const std::string& path, REGSAM view = KEY_WOW64_64KEY) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

// A string value, or a number as its decimal digits.
std::optional<std::string> RegValue(HKEY root, const std::string& path, const char* name) {
    char value[1024];
    DWORD type = 0, size = sizeof value;
    if (RegGetValueA(root, path.c_str(), name, RRF_RT_REG_SZ | RRF_RT_REG_DWORD | RRF_SUBKEY_WOW6464KEY, &type,
                     value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return type == REG_DWORD ? std::to_string(*reinterpret_cast<DWORD*>(value)) : std::string(value);
}

std::string ShortcutTarget(const std::string& link) {
    char path[MAX_PATH] = "";
    IShellLinkA* shellLink = nullptr;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&shellLink))) &&
        SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        if (SUCCEEDED(file->Load(std::filesystem::path(link).c_str(), STGM_READ)))
            shellLink->GetPath(path, sizeof path, nullptr, SLGP_RAWPATH);
    }
    if (file != nullptr) file->Release();
    if (shellLink != nullptr) shellLink->Release();
    return path;
}

// A process started as a user starts it, through the shell (so that it may
// ask to run as administrator); ended if a failed check leaves it running.
struct Process {
    explicit Process(const std::string& file, const std::string& parameters = "", const char* verb = nullptr) {
        SHELLEXECUTEINFOA execute{};
        execute.cbSize = sizeof execute;
        execute.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
        execute.lpVerb = verb;
        execute.lpFile = file.c_str();
        execute.lpParameters = parameters.c_str();
        execute.nShow = SW_SHOWNORMAL;
        if (ShellExecuteExA(&execute)) handle = execute.hProcess;
    }
    Process(const Process&) = delete;
    ~Process() {
        if (handle == nullptr) return;
        TerminateProcess(handle, 1);
        CloseHandle(handle);
    }
    // "exit code N" once it ends within `timeoutMs`, or why there is none.
    std::string End(DWORD timeoutMs = 60'000) const {
        if (handle == nullptr) return "not started";
        if (WaitForSingleObject(handle, timeoutMs) != WAIT_OBJECT_0) return "did not end; windows:" + DescribeWindows();
        DWORD code = 0;
        GetExitCodeProcess(handle, &code);
        return "exit code " + std::to_string(code);
    }

    HANDLE handle = nullptr;
};

// A window of `process` of that class whose title starts so; nullptr if none comes.
HWND WaitForWindow(DWORD process, const std::string& className, const std::string& title) {
    return ::WaitForWindow([&](HWND window) {
        return ProcessOf(window) == process && ClassName(window) == className && WindowText(window).starts_with(title);
    });
}

struct Installation {
    const std::string folder;
    const std::string program = folder + "\\pennywhist.exe";
    const std::string uninstaller = folder + "\\uninstall.exe";
    const std::string shortcut = Folder(CSIDL_COMMON_PROGRAMS) + "\\Pennywhist.lnk";
    const std::string documentsFile = Folder(CSIDL_PERSONAL) + "\\example.pwf";
    // A user's file saved into the program's folder: the uninstaller must
    // keep it, and the folder with it.
    const std::string fileBesideProgram = folder + "\\My Accounts.pwf";
};

void InstallUseAndUninstall(const std::string& setupParameters, const Installation& at) {
    ASSERT_FALSE(std::filesystem::exists(at.folder)) << "the prefix is not fresh";
    ASSERT_EQ(Process(gSetup, setupParameters).End(), "exit code 0") << gSetup;

    std::set<std::string> files = {"pennywhist.exe", "pwhelp.hlp", "uninstall.exe", "html\\"};
    for (const std::string& page : Below(gBuildPrograms + "\\html")) {
        files.insert("html\\" + page);
        const std::string built = gBuildPrograms + "\\html\\" + page;
        EXPECT_TRUE(page.ends_with('\\') || FileBytes(at.folder + "\\html\\" + page) == FileBytes(built)) << page;
    }
    EXPECT_EQ(Below(at.folder), files);
    // EXPECT_TRUE, not EXPECT_EQ: the files are binary, so a failure names them instead of printing them.
    EXPECT_TRUE(FileBytes(at.folder + "\\pwhelp.hlp") == FileBytes(gBuildPrograms + "\\pwhelp.hlp"));
    EXPECT_EQ(_stricmp(ShortcutTarget(at.shortcut).c_str(), at.program.c_str()), 0) << at.shortcut;

    const std::string uninstaller = "\"" + at.uninstaller + "\"";
    const struct { HKEY root; std::string key; const char* name; std::string value; } values[] = {
        {HKEY_LOCAL_MACHINE, kMachineKey, "Path", at.folder},
        {HKEY_CLASSES_ROOT, ".pwf", nullptr, kProgId},
        {HKEY_CLASSES_ROOT, kProgId, nullptr, "Pennywhist Data File"},
        {HKEY_CLASSES_ROOT, kProgId + "\\DefaultIcon", nullptr, at.program + ",0"},
        {HKEY_CLASSES_ROOT, kProgId + "\\shell\\open\\command", nullptr, "\"" + at.program + "\" \"%1\""},
        {HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName", "Pennywhist 2.0"},
        {HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion", "2.0"},
        {HKEY_LOCAL_MACHINE, kUninstallKey, "Publisher", "Orvanel Software"},
        {HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString", uninstaller},
        {HKEY_LOCAL_MACHINE, kUninstallKey, "QuietUninstallString", uninstaller + " /S"},
        {HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation", at.folder},
        {HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayIcon", at.program + ",0"},
        {HKEY_LOCAL_MACHINE, kUninstallKey, "NoModify", "1"},
        {HKEY_LOCAL_MACHINE, kUninstallKey, "NoRepair", "1"},
    };
    for (const auto& value : values)
        EXPECT_EQ(RegValue(value.root, value.key, value.name), value.value)
            << value.key << " " << (value.name ? value.name : "(default)");
    EXPECT_GT(std::stoul(RegValue(HKEY_LOCAL_MACHINE, kUninstallKey, "EstimatedSize").value_or("0")), 100u) << "KiB";
    for (const std::string& key : {kMachineKey, kUninstallKey})
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, key, KEY_WOW64_32KEY)) << key << " in the 32-bit view";

    ASSERT_TRUE(CopyFileA(gExample.c_str(), at.documentsFile.c_str(), FALSE)) << at.documentsFile;
    ASSERT_TRUE(CopyFileA(gExample.c_str(), at.fileBesideProgram.c_str(), FALSE)) << at.fileBesideProgram;

    // As a double click on the file does it.
    const Process program(at.documentsFile, "", "open");
    ASSERT_NE(program.handle, nullptr) << "the open verb of " << at.documentsFile << ", error " << GetLastError();
    const DWORD process = GetProcessId(program.handle);
    const HWND frame = WaitForWindow(process, kMainWindowClass, "Pennywhist - example");
    ASSERT_NE(frame, nullptr) << "no window titled \"Pennywhist - example\"; windows:" << DescribeWindows();

    const HWND accounts = WaitForWindow(process, "#32770", "Accounts");
    ASSERT_NE(accounts, nullptr) << "no Accounts dialog; windows:" << DescribeWindows();
    PostMessageA(accounts, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(accounts); }));

    // The program finds the help file through the install folder the setup
    // program wrote. Posted: the program waits inside WinHelp until the
    // engine has taken the request.
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(IDM_GETTING_STARTED, 0), 0);
    const HWND help = WaitForTopic("Getting Started");
    ASSERT_NE(help, nullptr) << "no help window at Getting Started; windows:" << DescribeWindows();
    PostMessageA(help, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(help); }));

    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.End(30'000), "exit code 0");

    // _?= runs the uninstaller in place and waits for it; by itself it would
    // return at once, its copy in the temporary folder doing the work. In
    // place, it cannot delete itself, so the folder stays with it and the
    // user's file; nothing else may be left in it.
    ASSERT_EQ(Process(at.uninstaller, "/S _?=" + at.folder).End(), "exit code 0");
    EXPECT_EQ(Below(at.folder), (std::set<std::string>{"My Accounts.pwf", "uninstall.exe"}));
    EXPECT_TRUE(std::filesystem::exists(at.documentsFile));
    EXPECT_FALSE(std::filesystem::exists(at.shortcut));
    for (const std::string& key : {kPublisherKey, kUninstallKey})
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, key)) << key;
    for (const std::string& key : {std::string(".pwf"), kProgId})
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, key)) << key;
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kUserKey)) << "the settings the program kept";
}

TEST(Installer, InstallsUsesAndUninstallsCleanly) {
    InstallUseAndUninstall("/S", {Folder(CSIDL_PROGRAM_FILES) + "\\Pennywhist"});
}

// /D= takes the rest of the command line, spaces included, unquoted.
TEST(Installer, InstallsIntoAChosenFolder) {
    const std::string folder = Folder(CSIDL_WINDOWS).substr(0, 3) + "My Apps\\Pennywhist";
    InstallUseAndUninstall("/S /D=" + folder, {folder});
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
    return RUN_ALL_TESTS();
}
