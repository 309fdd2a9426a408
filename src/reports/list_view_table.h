#pragma once
// A report list view read as the report layout reads a table: the header's
// columns and the cells as the list shows them (a virtual list answers too).

#include <windows.h>

#include "model/tables/report_layout.h"

class ListViewTable : public ReportTable {
public:
    explicit ListViewTable(HWND list) : list_(list) {}

    int ColumnCount() const override;
    int RowCount() const override;
    ReportColumn Column(int column) const override;
    std::string Cell(int row, int column) const override;

private:
    HWND list_;
};
