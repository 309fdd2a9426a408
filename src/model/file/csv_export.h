#pragma once
// Export to CSV for spreadsheets: the transaction list as it is sorted, or a
// summary table as it is shown, with a header row. Texts go out as UTF-8
// after a byte order mark, so that spreadsheets show accents; dates as
// yyyy-mm-dd, which every locale reads; and every transaction's amount
// signed (money out negative) in a column of its own beside its texts.

#include <string>
#include <string_view>

#include "model/document.h"
#include "model/tables/summary_rows.h"
#include "model/tables/transaction_rows.h"

class DataWriter;

// The two forms the save dialog offers: the field delimiter, and the
// amounts' decimal mark (a comma goes with semicolons).
struct CsvForm {
    char delimiter;
    char decimalMark;
};
inline constexpr CsvForm kCommaSeparated{',', '.'};
inline constexpr CsvForm kSemicolonSeparated{';', ','};

// A field as RFC 4180 writes it: quoted when it holds the delimiter, a quote
// or a line break, with its quotes doubled.
std::string CsvField(std::string_view text, char delimiter);
// The same, appended to `out`.
void AppendCsvField(std::string& out, std::string_view text, char delimiter);

// The account's list in the rows' order: "#", "Date", "Type", "Amount",
// "Signed amount", "Payee", "Category", "Memo" and the running total under
// its type's title.
void WriteTransactionListCsv(DataWriter& out, const Document& document, const Account& account,
                             const TransactionRows& rows, CsvForm form);

// A summary's table: its columns, with "Signed amount" after "Amount".
void WriteSummaryCsv(DataWriter& out, const Document& document, const Account& account, const SummaryLines& summary,
                     CsvForm form);
