// The help file in the system's own help engine (Wine's winhlp32 under
// Wine): the context numbers that the program asks for open their topics.
// Apart from the other UI tests, which replace the engine with a recorder.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "help_windows.h"
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
