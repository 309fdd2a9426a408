#pragma once
// What the report list views of the shell share: their columns, and the text
// a virtual list asks for as it paints.

#include <windows.h>
#include <commctrl.h>

#include <span>
#include <string>

#include "model/list_columns.h"

// Appends the columns, left-aligned, in their order; false when the list
// refuses one.
bool AddListColumns(HWND list, std::span<const ListColumn> columns);

// Answers a virtual list's request for a cell: `text`, cut to what the list's
// buffer holds. A request for something else than text is left alone.
void AnswerCellText(LVITEMA& item, const std::string& text);
