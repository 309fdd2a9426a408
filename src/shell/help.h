#pragma once
// Every help request of the program goes through here: the help file is
// HelpFolder + "\pwhelp.hlp", built afresh at each call. Where the WinHelp
// engine is missing (Windows from Vista on), the same topic opens from the
// HTML pages in HelpFolder + "\html" in the browser instead.

#include <windows.h>

#include <string>

// Contents and index (the finder).
void ShowHelpContents(HWND window);
// A topic by its context number.
void ShowHelpTopic(HWND window, DWORD context);
// A topic by its context number, in a pop-up window.
void ShowHelpPopup(HWND window, DWORD context);

// What the help engine is asked: the calling window, the file, the command
// (HELP_FINDER, HELP_CONTEXT or HELP_CONTEXTPOPUP) and the context number.
using HelpEngine = void (*)(HWND window, const std::string& file, UINT command, ULONG_PTR data);

// Replaces the help engine (tests record the requests); nullptr restores the
// program's own, which calls WinHelpA or opens the HTML page.
void SetHelpEngine(HelpEngine engine);
