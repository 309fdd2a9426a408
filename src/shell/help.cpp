#include "shell/help.h"

#include "shell/program.h"

namespace {

void CallWinHelp(HWND window, const std::string& file, UINT command, ULONG_PTR data) {
    WinHelpA(window, file.c_str(), command, data);
}

HelpEngine engine = CallWinHelp;

void AskHelp(HWND window, UINT command, ULONG_PTR data) {
    engine(window, Program.HelpFolder + "\\pwhelp.hlp", command, data);
}

}  // namespace

void ShowHelpContents(HWND window) { AskHelp(window, HELP_FINDER, 0); }
void ShowHelpTopic(HWND window, DWORD context) { AskHelp(window, HELP_CONTEXT, context); }
void ShowHelpPopup(HWND window, DWORD context) { AskHelp(window, HELP_CONTEXTPOPUP, context); }

void SetHelpEngine(HelpEngine replacement) { engine = replacement != nullptr ? replacement : CallWinHelp; }
