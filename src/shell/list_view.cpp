#include "shell/list_view.h"

#include <algorithm>
#include <cstring>

#include "model/tables/dpi_scaling.h"
#include "shell/window_dpi.h"

bool AddListColumns(HWND list, std::span<const ListColumn> columns) {
    const int dpi = WindowDpi(list);
    for (int column = 0; column < static_cast<int>(columns.size()); ++column) {
        LVCOLUMNA info{};
        info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        info.pszText = const_cast<char*>(columns[column].title);
        info.cx = ScaledForDpi(columns[column].width, dpi);
        info.iSubItem = column;
        if (SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&info)) != column) return false;
    }
    return true;
}

void RescaleListColumns(HWND list, int fromDpi, int toDpi) {
    const int count = Header_GetItemCount(ListView_GetHeader(list));
    for (int column = 0; column < count; ++column)
        ListView_SetColumnWidth(list, column, RescaledForDpi(ListView_GetColumnWidth(list, column), fromDpi, toDpi));
}

void AnswerCellText(LVITEMA& item, const std::string& text) {
    if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0) return;
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
    std::memcpy(item.pszText, text.data(), length);
    item.pszText[length] = '\0';
}

void AnswerCheckBox(LVITEMA& item, bool ticked) {
    if ((item.mask & LVIF_STATE) == 0) return;
    item.state = INDEXTOSTATEIMAGEMASK(ticked ? 2 : 1);
    item.stateMask = LVIS_STATEIMAGEMASK;
}

namespace {

LRESULT CALLBACK SpaceToParent(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_CHAR && wParam == ' ') return 0;  // no search for a blank either
    if (message != WM_KEYDOWN || wParam != VK_SPACE) return DefSubclassProc(list, message, wParam, lParam);
    NMLVKEYDOWN notice{};
    notice.hdr = {list, static_cast<UINT_PTR>(GetDlgCtrlID(list)), static_cast<UINT>(LVN_KEYDOWN)};
    notice.wVKey = VK_SPACE;
    SendMessageA(GetParent(list), WM_NOTIFY, notice.hdr.idFrom, reinterpret_cast<LPARAM>(&notice));
    return 0;
}

}  // namespace

void KeepSpaceForTicks(HWND list) { SetWindowSubclass(list, SpaceToParent, 0, 0); }

int CheckBoxRowClicked(HWND list, const NMITEMACTIVATE& click) {
    LVHITTESTINFO hit{};
    hit.pt = click.ptAction;
    if (ListView_SubItemHitTest(list, &hit) < 0 || (hit.flags & LVHT_ONITEMSTATEICON) == 0) return -1;
    return hit.iItem;
}

std::vector<int> SelectedRows(HWND list) {
    std::vector<int> rows;
    for (int row = -1; (row = ListView_GetNextItem(list, row, LVNI_SELECTED)) >= 0;) rows.push_back(row);
    return rows;
}
