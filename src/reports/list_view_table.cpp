#include "reports/list_view_table.h"

#include <commctrl.h>

#include <cstring>

namespace {

// Every text is read with a buffer of 255 bytes.
constexpr int kTextBuffer = 255;

}  // namespace

int ListViewTable::ColumnCount() const {
    return static_cast<int>(SendMessageA(ListView_GetHeader(list_), HDM_GETITEMCOUNT, 0, 0));
}

int ListViewTable::RowCount() const { return static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0)); }

ReportColumn ListViewTable::Column(int column) const {
    char text[kTextBuffer] = {};
    HDITEMA item{};
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_WIDTH;
    item.pszText = text;
    item.cchTextMax = kTextBuffer;
    SendMessageA(ListView_GetHeader(list_), HDM_GETITEMA, column, reinterpret_cast<LPARAM>(&item));
    ReportColumn result;
    result.heading = text;
    result.hidden = item.cxy == 0;
    const int format = item.fmt & HDF_JUSTIFYMASK;
    result.align = format == HDF_CENTER ? TextAlign::Center : format == HDF_RIGHT ? TextAlign::Right : TextAlign::Left;
    return result;
}

std::string ListViewTable::Cell(int row, int column) const {
    char text[kTextBuffer] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = kTextBuffer;
    SendMessageA(list_, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return std::string(text, strnlen(text, kTextBuffer));
}
