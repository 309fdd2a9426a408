#pragma once
// Other processes' top-level windows as the help engine and install tests
// see them, the system help engine's among them. Wine answers these for
// another process's window from what its server keeps, without a message,
// so a busy or blocked program cannot hang a test.

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

inline std::string ClassName(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

inline std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(window, text.data(), length + 1);
    text.resize(std::strlen(text.c_str()));
    return text;
}

inline DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

inline std::vector<HWND> VisibleWindows() {
    std::vector<HWND> found;
    for (HWND window = GetTopWindow(nullptr); window != nullptr; window = GetWindow(window, GW_HWNDNEXT))
        if (IsWindowVisible(window)) found.push_back(window);
    return found;
}

// The help engine's main windows, of the class that WinHelpA looks for.
// Wine's engine titles them "Wine Help" whatever the file, so the file shows
// only in the topics.
inline bool IsHelpWindow(HWND window) {
    return ClassName(window) == "MS_WINHELP" && ProcessOf(window) != GetCurrentProcessId();
}

inline std::vector<HWND> HelpWindows() {
    std::vector<HWND> found;
    for (HWND window : VisibleWindows())
        if (IsHelpWindow(window)) found.push_back(window);
    return found;
}

// The first line of the topic a help window shows: the text of its rich edit
// control, asked across processes.
inline std::string FirstLineOfTopic(HWND window) {
    HWND text = nullptr;
    const auto findRichEdit = [](HWND child, LPARAM found) {
        if (_strnicmp(ClassName(child).c_str(), "RichEdit", 8) != 0) return TRUE;
        *reinterpret_cast<HWND*>(found) = child;
        return FALSE;
    };
    EnumChildWindows(window, findRichEdit, reinterpret_cast<LPARAM>(&text));
    char buffer[4096] = "";
    if (text != nullptr)
        SendMessageTimeoutA(text, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                            2000, nullptr);
    const std::string all = buffer;
    return all.substr(0, all.find_first_of("\r\n"));
}

// Every visible top-level window, for the message of a failed wait.
inline std::string DescribeWindows() {
    std::string list;
    for (HWND window : VisibleWindows()) {
        list += "\n  [" + ClassName(window) + "] \"" + WindowText(window) + "\"";
        const std::string text = ClassName(window) == "MS_WINHELP" ? FirstLineOfTopic(window)
                                                                    : WindowText(GetDlgItem(window, 0xFFFF));
        if (!text.empty()) list += " \"" + text + "\"";
    }
    return list.empty() ? " none" : list;
}

inline bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 30'000) {
    for (const ULONGLONG deadline = GetTickCount64() + timeoutMs; !done(); Sleep(50))
        if (GetTickCount64() > deadline) return false;
    return true;
}

// The first visible top-level window that is `wanted`; nullptr if none comes.
inline HWND WaitForWindow(const std::function<bool(HWND)>& wanted) {
    HWND found = nullptr;
    WaitUntil([&] {
        const std::vector<HWND> windows = VisibleWindows();
        const auto match = std::find_if(windows.begin(), windows.end(), wanted);
        found = match == windows.end() ? nullptr : *match;
        return found != nullptr;
    });
    return found;
}

inline HWND WaitForTopic(const std::string& title) {
    return WaitForWindow([&](HWND window) { return IsHelpWindow(window) && FirstLineOfTopic(window) == title; });
}

inline std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
