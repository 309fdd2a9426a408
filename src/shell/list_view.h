#pragma once
// What the report list views of the shell share: their columns, and the text
// a virtual list asks for as it paints.

#include <windows.h>
#include <commctrl.h>

#include <string>

// Appends a left-aligned column; false when the list refuses it.
bool AddListColumn(HWND list, int column, const char* title, int width);

// Answers a virtual list's request for a cell: `text`, cut to what the list's
// buffer holds. A request for something else than text is left alone.
void AnswerCellText(LVITEMA& item, const std::string& text);
