#pragma once
// What the report list views of the shell share: their columns, and the text
// a virtual list asks for as it paints.

#include <windows.h>
#include <commctrl.h>

#include <span>
#include <string>
#include <vector>

#include "model/tables/list_columns.h"

// Appends the columns, left-aligned, in their order, each as wide as its
// 96-DPI width at the list's DPI; false when the list refuses one.
bool AddListColumns(HWND list, std::span<const ListColumn> columns);

// Keeps each column's width as the user left it when the list moves from
// `fromDpi` to `toDpi`.
void RescaleListColumns(HWND list, int fromDpi, int toDpi);

// Answers a virtual list's request for a cell: `text`, cut to what the list's
// buffer holds. A request for something else than text is left alone.
void AnswerCellText(LVITEMA& item, const std::string& text);

// The lists whose rows carry a check box (LVS_EX_CHECKBOXES) over rows the
// caller keeps: a virtual list asks for each row's tick, and the caller
// changes its own ticks on a click on a box or Space.
void AnswerCheckBox(LVITEMA& item, bool ticked);
// Space then comes to the caller only (as LVN_KEYDOWN): the list's own
// handling of it reads every row of a virtual list, which takes tens of
// milliseconds at 100,000 rows.
void KeepSpaceForTicks(HWND list);
// The row whose box a click (NM_CLICK, NM_DBLCLK) hit; -1 for a click elsewhere.
int CheckBoxRowClicked(HWND list, const NMITEMACTIVATE& click);
// The rows selected, in order.
std::vector<int> SelectedRows(HWND list);
