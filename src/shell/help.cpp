#include "shell/help.h"

#include <shellapi.h>

#include "model/help_topics.h"
#include "shell/program.h"

namespace {

// Windows ships the WinHelp engine up to XP; from Vista on only a stub that
// says it is missing. Wine has a working one.
bool HasWinHelp() {
    if (GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr) return true;
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    // Any answer from Vista on, even a version lied about for compatibility, is 6 or more.
    const bool known = GetVersionExA(&version) != 0;
#pragma GCC diagnostic pop
    return known && version.dwMajorVersion < 6;
}

// The same topic from the HTML pages beside the help file, in the browser.
void OpenHtmlPage(HWND window, const std::string& file, UINT command, ULONG_PTR data) {
    const std::string folder = file.substr(0, file.find_last_of('\\') + 1);
    const std::string page =
        folder + "html\\" + std::string(HelpPage(command == HELP_FINDER ? 0 : static_cast<unsigned>(data))) + ".html";
    ShellExecuteA(window, "open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CallHelpEngine(HWND window, const std::string& file, UINT command, ULONG_PTR data) {
    static const bool winHelp = HasWinHelp();
    if (winHelp)
        WinHelpA(window, file.c_str(), command, data);
    else
        OpenHtmlPage(window, file, command, data);
}

HelpEngine engine = CallHelpEngine;

void AskHelp(HWND window, UINT command, ULONG_PTR data) {
    engine(window, Program.HelpFolder + "\\pwhelp.hlp", command, data);
}

}  // namespace

void ShowHelpContents(HWND window) { AskHelp(window, HELP_FINDER, 0); }
void ShowHelpTopic(HWND window, DWORD context) { AskHelp(window, HELP_CONTEXT, context); }
void ShowHelpPopup(HWND window, DWORD context) { AskHelp(window, HELP_CONTEXTPOPUP, context); }

void SetHelpEngine(HelpEngine replacement) { engine = replacement != nullptr ? replacement : CallHelpEngine; }
