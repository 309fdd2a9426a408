#pragma once
// Every printout of the program: a report list view put on paper as a
// paginated table, and the print dialog that gives the printer.

#include <windows.h>

#include <string>

#include "model/report_layout.h"

struct ReportFonts;

// The standard print dialog over `owner`, without a selection or page range
// and with copies left to the driver; the chosen printer's device context,
// or nullptr when the user cancels or no printer can be had.
HDC ShowPrintDialog(HWND owner);

// One print job of one list view. Non-copyable; it owns the printer's device
// context and deletes it.
struct ReportPrinter {
    ReportPrinter() = default;
    ReportPrinter(const ReportPrinter&) = delete;
    ReportPrinter& operator=(const ReportPrinter&) = delete;
    virtual ~ReportPrinter();

    HWND listView = nullptr;
    HDC printerDC = nullptr;
    bool autoSizeColumns = false;  // size the columns on screen to their contents first
    ReportOptions options;         // title block, footer, clipping, separators, rules, header texts
    std::string titleFace = "Arial";
    std::string footerFace = "Arial";
    std::string bodyFace = "Arial";
    int titleSize = 10;  // heights in screen pixels, turned into printer units
    int footerSize = 10;
    int bodySize = 10;

    // Prints the whole list as one job named `title`. False, with nothing
    // printed, without a list, its header or a device context, when a font
    // cannot be made or the printer refuses the job or a page (the job is
    // then cancelled, so that a failed job is not printed half).
    bool Print(const std::string& title);

    // The pages of Print drawn one after another on the device context
    // without a print job: for a device that keeps everything drawn on it,
    // such as a metafile. The number of pages, or -1 as Print fails.
    int DrawPages(const std::string& title);

private:
    // Checks what printing needs and makes the fonts for the device.
    bool MakeFonts(ReportFonts& fonts);
};

// What every caller does: the print dialog over `owner`, then the list
// printed under `title` with Arial at size 12 in all three fonts.
void PrintList(HWND owner, HWND list, const std::string& title);
