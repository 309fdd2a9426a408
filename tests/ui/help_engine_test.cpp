// The help file in the system's own help engine (Wine's winhlp32), apart
// from the other UI tests, which replace the engine with a recorder.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "help_windows.h"
#include "model/help_topics.h"

TEST(HelpEngine, ContextNumbersOpenTheirTopicsAndQuitClosesTheWindow) {
    // The help file beside pennywhist.exe, found from this test's own folder.
    char module[MAX_PATH];
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string file =
        (std::filesystem::path(module).parent_path() / PENNYWHIST_HELP_FILE_FROM_TEST).lexically_normal().string();
    ASSERT_NE(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES) << file;
    HWND owner = CreateWindowA("STATIC", "help engine test", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);

    const struct { unsigned context; const char* title; } topics[] = {
        {kHelpGettingStarted, "Getting Started"},
        {kHelpAccounts, "Accounts"},
        {kHelpBillsDeposits, "Bills and Deposits"},
        {kHelpTransactions, "Entering Transactions"},
    };
    for (const auto& topic : topics) {
        EXPECT_TRUE(WinHelpA(owner, file.c_str(), HELP_CONTEXT, topic.context)) << topic.context;
        EXPECT_NE(WaitForTopic(topic.title), nullptr)
            << "context " << topic.context << " did not show " << topic.title << "; windows:" << DescribeWindows();
    }
    EXPECT_EQ(HelpWindows().size(), 1u);  // each topic replaces the last in the one main window

    WinHelpA(owner, file.c_str(), HELP_QUIT, 0);
    EXPECT_TRUE(WaitUntil([] { return HelpWindows().empty(); }));
    DestroyWindow(owner);
}
