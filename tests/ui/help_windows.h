#pragma once
// The windows of the system's help engine as the help tests see them, from
// another process.

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

inline std::string ClassName(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

// The help engine's visible main windows, of the class that WinHelpA looks
// for. Wine's engine, started by WinHelpA, titles it "Wine Help" whatever the
// file, so the file shows only in the topics.
inline std::vector<HWND> HelpWindows() {
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
inline std::string FirstLineOfTopic(HWND window) {
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
