#include "views/transaction_list.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <new>

#include "model/account_types.h"
#include "model/lists.h"
#include "model/tables/transaction_rows.h"
#include "resources/resource.h"
#include "shell/list_view.h"
#include "shell/program.h"
#include "shell/scaled_pictures.h"
#include "shell/window_dpi.h"

namespace {

// What the list shows: an account of a document, and its rows as last filled.
const Document* shownDocument = nullptr;
const std::int32_t* shownAccount = nullptr;
TransactionRows rows;

const Account* CurrentAccount() { return shownDocument ? shownDocument->FindAccount(*shownAccount) : nullptr; }

void SetBalanceColumnTitle(const Account& account) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT;
    column.pszText = const_cast<char*>(TypeInfo(account.type).balanceTitle);
    SendMessageA(App.transactionList, LVM_SETCOLUMNA, ColumnTotal, reinterpret_cast<LPARAM>(&column));
}

// The storage index of the transaction on a row, or -1.
int StorageIndexOfRow(int row) {
    const Account* account = CurrentAccount();
    if (account == nullptr || PositionInList(row, rows.count) < 0) return -1;
    return PositionInList(StorageIndexOnRow(rows, row), account->TransactionCount());
}

// A row the rows no longer hold shows empty. The mark is the row's state
// picture: 1 none, 2 cleared, 3 reconciled.
void OnGetDisplayInfo(NMLVDISPINFOA& info) {
    const Account* account = CurrentAccount();
    const int index = StorageIndexOfRow(info.item.iItem);
    if ((info.item.mask & LVIF_STATE) != 0) {
        const int mark = account != nullptr && index >= 0 ? account->GetTransaction(index).mark : int{MarkUncleared};
        info.item.state = INDEXTOSTATEIMAGEMASK(std::min<int>(mark, MarkReconciled) + 1);
        info.item.stateMask = LVIS_STATEIMAGEMASK;
    }
    AnswerCellText(info.item, account != nullptr && index >= 0
                                  ? TransactionCellText(*shownDocument, *account, rows, index, info.item.iSubItem,
                                                        Program.DateFormat)
                                  : std::string());
}

LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw) {
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        draw.clrText = RGB(0, 0, 0);
        draw.clrTextBk = IsShadedRow(static_cast<int>(draw.nmcd.dwItemSpec))
                             ? RGB(kShadedRowColour[0], kShadedRowColour[1], kShadedRowColour[2])
                             : RGB(255, 255, 255);
        return CDRF_NEWFONT;
    default:
        return CDRF_DODEFAULT;
    }
}

void OnDateHeaderClick() {
    Program.SortDate = NextSortDate(Program.SortDate);
    ShowDateSortImage();
    if (!FillTransactionList()) ShowMessage(kErrorUpdatingTransactionList);
}

// The marks' pictures at the start of the "#" column, 16 pixels at 96 DPI:
// none, a light tick (cleared), a tick (reconciled). The list destroys them
// with itself.
HIMAGELIST MarkImages(int dpi) {
    const int size = ScaledForDpi(16, dpi);
    HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 3, 0);
    if (images == nullptr) return nullptr;
    ScreenDC screen;
    UniqueDC dc(CreateCompatibleDC(screen.Get()));
    UniqueBitmap strip(CreateCompatibleBitmap(screen.Get(), 3 * size, size));
    {
        SelectedObject drawn(dc.Get(), strip.Get());
        const RECT all{0, 0, 3 * size, size};
        FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        for (int image : {1, 2}) {
            UniquePen pen(CreatePen(PS_SOLID, ScaledForDpi(image, dpi), image == 1 ? RGB(160, 160, 160) : RGB(0, 0, 0)));
            SelectedObject drawing(dc.Get(), pen.Get());
            const auto at = [dpi](int pixelsAt96) { return ScaledForDpi(pixelsAt96, dpi); };
            const POINT tick[] = {{size * image + at(3), at(8)}, {size * image + at(6), at(11)},
                                  {size * image + at(12), at(4)}};
            Polyline(dc.Get(), tick, 3);
        }
    }
    ImageList_AddMasked(images, strip.Get(), RGB(255, 255, 255));
    return images;
}

// The Date header's sort pictures for `dpi`, shown at once.
void LoadDateSortImages(int dpi) {
    constexpr UINT kFlags = LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS;
    App.sortDescendingImage =
        LoadScaledBitmap({IDB_SORT_DESCENDING, IDB_SORT_DESCENDING_14, IDB_SORT_DESCENDING_18}, dpi, kFlags);
    App.sortAscendingImage =
        LoadScaledBitmap({IDB_SORT_ASCENDING, IDB_SORT_ASCENDING_14, IDB_SORT_ASCENDING_18}, dpi, kFlags);
    ShowDateSortImage();
}

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
    const int dpi = WindowDpi(App.transactionList);
    ListView_SetImageList(App.transactionList, MarkImages(dpi), LVSIL_STATE);
    ListView_SetCallbackMask(App.transactionList, LVIS_STATEIMAGEMASK);
    if (AddListColumns(App.transactionList, kTransactionListColumns)) {
        LoadDateSortImages(dpi);
        return true;
    }
    DestroyWindow(App.transactionList);
    App.transactionList = nullptr;
    return false;
}

void RescaleTransactionList(int fromDpi, int toDpi) {
    RescaleListColumns(App.transactionList, fromDpi, toDpi);
    if (HIMAGELIST old = ListView_SetImageList(App.transactionList, MarkImages(toDpi), LVSIL_STATE); old != nullptr)
        ImageList_Destroy(old);
    LoadDateSortImages(toDpi);
}

void ShowDateSortImage() {
    HWND header = ListView_GetHeader(App.transactionList);
    if (header == nullptr) return;
    HDITEMA item{};
    item.mask = HDI_FORMAT;
    if (!SendMessageA(header, HDM_GETITEMA, ColumnDate, reinterpret_cast<LPARAM>(&item))) return;
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
    SendMessageA(header, HDM_SETITEMA, ColumnDate, reinterpret_cast<LPARAM>(&item));
}

void FollowAccount(const Document& document, const std::int32_t& current) {
    shownDocument = &document;
    shownAccount = &current;
}

bool ShowFollowedAccount() {
    const Account* shown = CurrentAccount();
    if (shown == nullptr) {
        ShowWindow(App.transactionList, SW_HIDE);
        return true;
    }
    SetBalanceColumnTitle(*shown);
    const bool filled = FillTransactionList();
    ShowWindow(App.transactionList, SW_SHOW);
    return filled;
}

bool FillTransactionList() {
    const Account* account = CurrentAccount();
    if (account == nullptr) return true;
    WaitCursor wait;
    SendMessageA(App.transactionList, LVM_DELETEALLITEMS, 0, 0);
    try {
        BuildTransactionRows(*account, Program.SortDate, Program.DateFormat, rows);
    } catch (const std::bad_alloc&) {
        rows = TransactionRows{};
        return false;
    }
    return SendMessageA(App.transactionList, LVM_SETITEMCOUNT, rows.count, 0) != 0;
}

int SelectedTransaction() {
    return StorageIndexOfRow(ListView_GetNextItem(App.transactionList, -1, LVNI_SELECTED));
}

const TransactionRows& ShownRows() { return rows; }

void SelectShownTransaction(std::int32_t storageIndex) {
    for (std::int32_t row = 0; row < rows.count; ++row) {
        if (StorageIndexOnRow(rows, row) != storageIndex) continue;
        ListView_SetItemState(App.transactionList, -1, 0, LVIS_SELECTED);
        ListView_SetItemState(App.transactionList, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(App.transactionList, row, FALSE);
        return;
    }
}

const Transaction* ShownTransaction(int row) {
    const int index = StorageIndexOfRow(row);
    return index >= 0 ? &CurrentAccount()->GetTransaction(index) : nullptr;
}

LRESULT OnTransactionListNotify(NMHDR& header) {
    switch (header.code) {
    case LVN_GETDISPINFOA:
        OnGetDisplayInfo(reinterpret_cast<NMLVDISPINFOA&>(header));
        return 0;
    case NM_CUSTOMDRAW:
        return OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
    case LVN_COLUMNCLICK:
        if (reinterpret_cast<NMLISTVIEW&>(header).iSubItem == ColumnDate) OnDateHeaderClick();
        return 0;
    case NM_DBLCLK:
    case NM_RETURN:
        SendMessageA(App.frame, WM_COMMAND, IDM_EDIT_TRANSACTION, 0);
        return 0;
    default:
        return 0;
    }
}

bool ShowTransactionListMenu(LPARAM screenPosition) {
    if (!App.listPopup) return false;
    POINT point{GET_X_LPARAM(screenPosition), GET_Y_LPARAM(screenPosition)};
    if (point.x == -1 && point.y == -1) {
        point = {0, 0};
        ClientToScreen(App.transactionList, &point);
    } else {
        POINT inList = point;
        ScreenToClient(App.transactionList, &inList);
        RECT client;
        GetClientRect(App.transactionList, &client);
        if (!PtInRect(&client, inList)) return false;
    }
    TrackPopupMenu(App.listPopup.Get(), TPM_RIGHTBUTTON, point.x, point.y, 0, App.frame, nullptr);
    return true;
}
