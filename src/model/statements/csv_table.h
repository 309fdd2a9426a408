#pragma once
// A CSV file as a table of cells, the first stage of reading a CSV bank
// statement; csv_mapping.h turns the cells into a statement.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/statements/statement_text.h"

struct CsvTable {
    char delimiter = ',';  // ',', ';' or '\t'
    TextEncoding encoding = TextEncoding::Utf8;
    // The records in file order, each cell's bytes as the file has them with
    // the quotes undone. Records whose cells are all empty are left out.
    std::vector<std::vector<std::string>> rows;
};

// The most cells a record may have.
inline constexpr std::size_t kCsvMaxColumns = 1000;

// The cell at `row` and `column`; empty where the table has none.
inline std::string_view CsvCell(const CsvTable& table, int row, int column) {
    if (row < 0 || static_cast<std::size_t>(row) >= table.rows.size() || column < 0) return {};
    const std::vector<std::string>& cells = table.rows[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(column) < cells.size() ? std::string_view(cells[static_cast<std::size_t>(column)])
                                                          : std::string_view();
}

// The table of a CSV file. Quotes as RFC 4180 has them: a quoted cell may
// hold delimiters, doubled quotes and line breaks, and an unterminated one
// runs to the end of the file. Records end at CRLF, LF or CR. A UTF-8 byte
// order mark is dropped; the encoding is the mark's, or DetectEncoding's.
// The delimiter is the one of ',', ';' and tab that gives the most of the
// first 50 records a same count of cells above one (',' when none does).
// No rows at all when a record has more than kCsvMaxColumns cells.
CsvTable ReadCsvTable(std::string_view bytes);
