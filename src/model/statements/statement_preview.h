#pragma once
// The texts of the Import Statement preview: its table, the summary under
// it, and the choices it offers for the file.

#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "model/tables/list_columns.h"
#include "model/statements/statement_file.h"
#include "model/statements/statement_import.h"
#include "model/tables/transaction_text.h"

// The status column follows the transaction's fields.
inline constexpr int kPreviewStatusColumn = ColumnTotal + 1;

inline constexpr ListColumn kStatementPreviewColumns[] = {
    {ColumnDate, "Date", 80},    {ColumnType, "Type", 70},         {ColumnAmount, "Amount", 70},
    {ColumnPayee, "Payee", 110}, {ColumnMemo, "Memo", 100},        {ColumnCategory, "Category", 90},
    {kPreviewStatusColumn, "Status", 130},
};
inline constexpr int kStatementPreviewColumnCount = static_cast<int>(std::size(kStatementPreviewColumns));

// A cell of the table: the field as the transaction list writes it, or the
// status ("New" or "Already in the account").
std::string PreviewCellText(const Document& document, const Account& account, const PreviewLine& line, int field,
                            std::int32_t dateFormat);

// "2 of 3 lines will be added: 1234.56." and, when the file had some,
// " 1 line could not be read."
std::string PreviewSummaryText(const std::vector<PreviewLine>& lines, int unreadableLines);

// The two readings of a QIF file's ambiguous date, in DateOrder order:
// "Month first: 03/04'19 is March 4, 2019" and "Day first: 03/04'19 is 3 April 2019".
std::vector<std::string> DateOrderChoices(const std::string& ambiguousDate);

// An OFX statement as the preview offers it: "Account 1234: 12 transactions".
std::string StatementChoiceText(const Statement& statement);

// The entries of a CSV column box: "(none)", then each column by number
// and, when the row before the data has one, its header ("2: Amount").
std::vector<std::string> CsvColumnChoices(const CsvTable& table, const CsvMapping& mapping);

// The values of the mapped indicator column in the data rows, each once,
// in the order they first appear: the choices for the value that means money out.
std::vector<std::string> CsvIndicatorValues(const CsvTable& table, const CsvMapping& mapping);

// A CSV mapping saved under a name.
struct CsvProfile {
    std::string name;
    std::string text;  // as CsvProfileText writes it
};

// The entries of the CSV date format, separator and decimal mark boxes, in
// the order of their values (DateOrder; kCsvSeparators; DecimalMark without Either).
inline constexpr const char* kCsvDateOrderChoices[] = {"Month Day Year", "Day Month Year", "Year Month Day"};
inline constexpr char kCsvSeparators[] = {'/', '.', '-', ' ', '\0'};
inline constexpr const char* kCsvSeparatorChoices[] = {"/", ".", "-", "Space", "None"};
inline constexpr const char* kCsvDecimalMarkChoices[] = {"1,234.56", "1.234,56"};
