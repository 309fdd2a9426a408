#pragma once
// The printouts of the lists: a report list view put on paper as a
// paginated table, and the print dialog that gives the printer (the
// charts' printout uses it too).

#include <windows.h>

#include <string>

enum class PageOrientation { Portrait, Landscape };

// The standard print dialog over `owner`, without a selection or page range
// and with copies left to the driver; the chosen printer's device context,
// or nullptr when the user cancels or no printer can be had. Landscape
// starts the dialog at the default printer turned sideways, where its
// driver lets the orientation be chosen.
HDC ShowPrintDialog(HWND owner, PageOrientation orientation = PageOrientation::Portrait);

// Prints the whole list view as one job named `title` on the printer's
// device context, in Arial at size 12. False, with nothing printed, without
// a list or its header, when a font cannot be made or the printer refuses the
// job or a page (the job is then cancelled, so that a failed job is not
// printed half).
bool PrintListView(HWND list, HDC printer, const std::string& title);

// The pages of PrintListView drawn one after another on a device context
// without a print job: for a device that keeps everything drawn on it, such
// as a metafile. The number of pages, or -1 as PrintListView fails.
int DrawListPages(HWND list, HDC device, const std::string& title);

// What every caller does: the print dialog over `owner`, then the list
// printed under `title`.
void PrintList(HWND owner, HWND list, const std::string& title);
