#include "dialogs/summary_table.h"

#include <commctrl.h>

#include <string>

#include "resources/resource.h"
#include "shell/list_view.h"
#include "shell/program.h"
#include "shell/win32_handles.h"

namespace {

HWND SummaryTable(HWND dialog) { return GetDlgItem(dialog, IDC_SUMMARY_TABLE); }

}  // namespace

void CreateSummaryColumns(HWND dialog, std::span<const ListColumn> columns) {
    HWND table = SummaryTable(dialog);
    SendMessageA(table, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, LVS_EX_GRIDLINES);
    AddListColumns(table, columns);
}

void ShowSummaryRows(HWND dialog, const std::vector<SummaryRow>& rows) {
    HWND table = SummaryTable(dialog);
    WaitCursor wait;
    // A visible list that redraws for every row takes minutes for thousands of them.
    SendMessageA(table, WM_SETREDRAW, FALSE, 0);
    SendMessageA(table, LVM_DELETEALLITEMS, 0, 0);
    for (const SummaryRow& row : rows) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(SendMessageA(table, LVM_GETITEMCOUNT, 0, 0));
        item.pszText = const_cast<char*>(row.empty() ? "" : row[0].c_str());
        const int inserted = static_cast<int>(SendMessageA(table, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        for (std::size_t column = 1; column < row.size(); ++column) {
            if (row[column].empty()) continue;
            LVITEMA cell{};
            cell.iSubItem = static_cast<int>(column);
            cell.pszText = const_cast<char*>(row[column].c_str());
            SendMessageA(table, LVM_SETITEMTEXTA, inserted, reinterpret_cast<LPARAM>(&cell));
        }
    }
    SendMessageA(table, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(table, nullptr, TRUE);
}

LRESULT OnSummaryTableNotify(HWND dialog, NMHDR& header) {
    return header.hwndFrom == SummaryTable(dialog) && header.code == LVN_ITEMCHANGING ? TRUE : 0;
}

void PrintSummary(HWND dialog, PrintSummaryTable print, const char* suffix) {
    print(dialog, SummaryTable(dialog), suffix);
}
