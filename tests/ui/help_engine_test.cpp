// The help file in the system's own help engine (Wine's winhlp32 under
// Wine): the context numbers that the program asks for open their topics.
// Apart from the other UI tests, which replace the engine with a recorder.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/help_topics.h"

namespace {

// The help file beside pennywhist.exe, found from this test's own folder.
std::string HelpFile() {
    char module[MAX_PATH];
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string path = module;
    path.erase(path.find_last_of('\\') + 1);
    path += PENNYWHIST_HELP_FILE_FROM_TEST;
    std::replace(path.begin(), path.end(), '/', '\\');
    char full[MAX_PATH];
    GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return full;
}

std::string ClassName(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

// The help engine's visible main windows, of the class that WinHelpA looks
// for. Wine's engine, started by WinHelpA, titles it "Wine Help" whatever the
// file, so the file shows only in the topics.
std::vector<HWND> HelpWindows() {
    std::vector<HWND> found;
    EnumWindows(
        [](HWND window, LPARAM list) {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (process != GetCurrentProcessId() && IsWindowVisible(window) && ClassName(window) == "MS_WINHELP")
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The first line of the topic a help window shows: the text of its rich edit
// control, asked across processes.
std::string FirstLineOfTopic(HWND window) {
    HWND text = nullptr;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM found) {
            std::string name = ClassName(child);
            std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return char(tolower(c)); });
            if (name.find("richedit") == std::string::npos) return TRUE;
            *reinterpret_cast<HWND*>(found) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&text));
    if (text == nullptr) return "";
    char buffer[4096] = "";
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(text, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000,
                        &copied);
    std::string all = buffer;
    return all.substr(0, all.find_first_of("\r\n"));
}

// Waits for a help window to show `title` as its topic's first line; gives
// back what the help windows last showed.
std::string WaitForTopic(const std::string& title) {
    std::string shown;
    for (int tries = 0; tries < 100; ++tries) {
        shown.clear();
        for (HWND window : HelpWindows()) {
            const std::string line = FirstLineOfTopic(window);
            if (line == title) return line;
            shown += "[" + line + "]";
        }
        Sleep(100);
    }
    if (!shown.empty()) return shown;
    std::string others = "(no help window; other windows:";
    EnumWindows(
        [](HWND window, LPARAM text) {
            char title[256] = "";
            GetWindowTextA(window, title, sizeof title);
            *reinterpret_cast<std::string*>(text) += " [" + ClassName(window) + ": " + title + "]";
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&others));
    return others + ")";
}

bool WaitUntilNoHelpWindow() {
    for (int tries = 0; tries < 100; ++tries) {
        if (HelpWindows().empty()) return true;
        Sleep(100);
    }
    return false;
}

}  // namespace

TEST(HelpEngine, ContextNumbersOpenTheirTopicsAndQuitClosesTheWindow) {
    const std::string file = HelpFile();
    ASSERT_NE(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES) << file;
    HWND owner = CreateWindowA("STATIC", "help engine test", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);

    const struct {
        unsigned context;
        const char* title;
    } topics[] = {
        {kHelpGettingStarted, "Getting Started"},
        {kHelpAccounts, "Accounts"},
        {kHelpBillsDeposits, "Bills and Deposits"},
        {kHelpTransactions, "Entering Transactions"},
    };
    for (const auto& topic : topics) {
        SCOPED_TRACE("context " + std::to_string(topic.context));
        EXPECT_TRUE(WinHelpA(owner, file.c_str(), HELP_CONTEXT, topic.context));
        EXPECT_EQ(WaitForTopic(topic.title), topic.title);
    }
    std::vector<HWND> windows = HelpWindows();
    EXPECT_EQ(windows.size(), 1u);  // each topic replaces the last in the one main window

    WinHelpA(owner, file.c_str(), HELP_QUIT, 0);
    EXPECT_TRUE(WaitUntilNoHelpWindow());
    DestroyWindow(owner);
}
