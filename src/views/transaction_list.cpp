#include "views/transaction_list.h"

#include <windows.h>
#include <commctrl.h>

#include "app/main_window.h"

namespace {

struct Column {
    const char* title;
    int width;
};

constexpr Column kColumns[kColumnCount] = {
    {"#", 50}, {"Date", 75}, {"Type", 75}, {"Amount", 75}, {"Payee", 85}, {"Category", 85}, {"Memo", 85}, {"", 75},
};

}  // namespace

bool CreateTransactionList() {
    // Virtual: the rows are asked for as they are painted, so an account of
    // any size shows at once.
    App.transactionList = CreateWindowExA(
        WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
        WS_CHILD | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA, 0, 0, 0, 0, App.frame,
        nullptr, App.instance, nullptr);
    if (App.transactionList == nullptr) return false;
    ListView_SetExtendedListViewStyle(App.transactionList, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    for (int i = 0; i < kColumnCount; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<char*>(kColumns[i].title);
        column.cx = kColumns[i].width;
        column.iSubItem = i;
        if (SendMessageA(App.transactionList, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column)) != i) {
            DestroyWindow(App.transactionList);
            App.transactionList = nullptr;
            return false;
        }
    }
    return true;
}

void ShowDateSortImage() {
    HWND header = ListView_GetHeader(App.transactionList);
    if (header == nullptr) return;
    HDITEMA item{};
    item.mask = HDI_FORMAT;
    if (!SendMessageA(header, HDM_GETITEMA, kDateColumn, reinterpret_cast<LPARAM>(&item))) return;
    HBITMAP image = nullptr;
    if (Program.SortDate == kSortAscending) image = App.sortAscendingImage.Get();
    if (Program.SortDate == kSortDescending) image = App.sortDescendingImage.Get();
    if (image != nullptr) {
        item.mask = HDI_FORMAT | HDI_BITMAP;
        item.fmt |= HDF_BITMAP | HDF_BITMAP_ON_RIGHT;
        item.hbm = image;
    } else {
        item.fmt &= ~(HDF_BITMAP | HDF_BITMAP_ON_RIGHT);
    }
    SendMessageA(header, HDM_SETITEMA, kDateColumn, reinterpret_cast<LPARAM>(&item));
}
