#include "dialogs/summaries/summary_table.h"

#include <commctrl.h>

#include <string>

#include "dialogs/dialog_controls.h"
#include "model/file/atomic_save.h"
#include "model/file/csv_export.h"
#include "model/file/data_stream.h"
#include "resources/resource.h"
#include "shell/file_dialogs.h"
#include "shell/list_view.h"
#include "shell/program.h"

namespace {

HWND SummaryTable(HWND dialog) { return GetDlgItem(dialog, IDC_SUMMARY_TABLE); }

}  // namespace

void CreateSummaryColumns(HWND dialog, std::span<const ListColumn> columns) {
    HWND table = SummaryTable(dialog);
    SendMessageA(table, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, LVS_EX_GRIDLINES);
    AddListColumns(table, columns);
}

void ShowSummaryRows(HWND dialog, SummaryLines summary) {
    HWND table = SummaryTable(dialog);
    SummaryLines& shown = DialogContext<SummaryContext>(dialog).summary;
    shown = std::move(summary);
    SendMessageA(table, LVM_SETITEMCOUNT, shown.lines.size(), 0);
    InvalidateRect(table, nullptr, TRUE);
}

LRESULT OnSummaryTableNotify(HWND dialog, NMHDR& header) {
    HWND table = SummaryTable(dialog);
    if (header.hwndFrom != table) return 0;
    switch (header.code) {
    case LVN_GETDISPINFOA: {
        LVITEMA& item = reinterpret_cast<NMLVDISPINFOA&>(header).item;
        const SummaryContext& context = DialogContext<SummaryContext>(dialog);
        if (item.iItem < 0 || item.iSubItem < 0) return 0;
        AnswerCellText(item, SummaryCellText(context.subject.document, context.subject.account, context.summary,
                                             static_cast<std::size_t>(item.iItem), static_cast<std::size_t>(item.iSubItem),
                                             Program.DateFormat));
        return 0;
    }
    case LVN_ITEMCHANGING:
        return TRUE;
    case LVN_ITEMCHANGED:
        // A virtual list keeps its selection itself: what it took is let go at once.
        if ((reinterpret_cast<NMLISTVIEW&>(header).uNewState & (LVIS_SELECTED | LVIS_FOCUSED)) != 0)
            ListView_SetItemState(table, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        return 0;
    default:
        return 0;
    }
}


namespace {

void ExportSummary(HWND dialog) {
    const SummaryContext& context = DialogContext<SummaryContext>(dialog);
    bool semicolon = false;
    const std::string path = ChooseCsvFileToSave(dialog, semicolon);
    if (path.empty()) return;
    WaitCursor wait;
    if (!SaveAtomically(path, [&](DataWriter& out) {
            WriteSummaryCsv(out, context.subject.document, context.subject.account, context.summary,
                            semicolon ? kSemicolonSeparated : kCommaSeparated);
        }))
        ShowMessage(kErrorSavingFile, dialog);
}

}  // namespace

bool OnSummaryButton(HWND dialog, int control, const char* suffix) {
    switch (control) {
    case IDC_PRINT_SUMMARY:
        DialogContext<SummaryContext>(dialog).subject.print(dialog, SummaryTable(dialog), suffix);
        return true;
    case IDC_EXPORT_SUMMARY:
        ExportSummary(dialog);
        return true;
    }
    return false;
}

void EnableSummaryButtons(HWND dialog) {
    for (int button : {IDC_PRINT_SUMMARY, IDC_EXPORT_SUMMARY}) EnableWindow(GetDlgItem(dialog, button), TRUE);
}
