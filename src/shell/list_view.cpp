#include "shell/list_view.h"

#include <algorithm>
#include <cstring>

bool AddListColumn(HWND list, int column, const char* title, int width) {
    LVCOLUMNA info{};
    info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    info.pszText = const_cast<char*>(title);
    info.cx = width;
    info.iSubItem = column;
    return SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&info)) == column;
}

void AnswerCellText(LVITEMA& item, const std::string& text) {
    if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0) return;
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
    std::memcpy(item.pszText, text.data(), length);
    item.pszText[length] = '\0';
}
