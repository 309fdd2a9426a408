#include "model/file/csv_export.h"

#include <cstdio>
#include <vector>

#include "model/account_types.h"
#include "model/amounts.h"
#include "model/file/data_stream.h"
#include "platform/platform_text.h"

namespace {

// One record at a time: fields in the code page, written out as UTF-8.
class CsvRecord {
public:
    CsvRecord(DataWriter& out, CsvForm form) : out_(out), form_(form) {}

    void Text(std::string_view text) {
        utf8_.clear();
        AppendUtf8(text, utf8_);
        Field(utf8_);
    }
    // An amount's text ("%.02f") with the form's decimal mark.
    void Amount(std::string text) {
        for (char& c : text)
            if (c == '.') c = form_.decimalMark;
        Field(text);
    }
    void Date(const Transaction& t) {
        if (!HasUsualDigits(t.month, t.day, t.year)) {
            char text[40];
            std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year, t.month, t.day);
            Field(text);
            return;
        }
        const DateDigits digits = UsualDigits(t.month, t.day, t.year);
        const char text[] = {digits.year[0], digits.year[1], digits.year[2], digits.year[3], '-', digits.month[0],
                             digits.month[1], '-', digits.day[0], digits.day[1]};
        Field(std::string_view(text, sizeof text));
    }
    void End() {
        line_ += "\r\n";
        out_.Write(line_.data(), line_.size());
        line_.clear();
        fields_ = 0;
    }

private:
    void Field(std::string_view text) {
        if (fields_++ > 0) line_ += form_.delimiter;
        AppendCsvField(line_, text, form_.delimiter);
    }

    DataWriter& out_;
    CsvForm form_;
    std::string line_;
    std::string utf8_;
    int fields_ = 0;
};

void WriteByteOrderMark(DataWriter& out) { out.Write("\xEF\xBB\xBF", 3); }

std::string SignedAmountText(const Transaction& t) { return CentsText(SignedCents(t)); }

}  // namespace

void AppendCsvField(std::string& out, std::string_view text, char delimiter) {
    bool quoted = false;
    for (char c : text) quoted = quoted || c == delimiter || c == '"' || c == '\r' || c == '\n';
    if (!quoted) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

std::string CsvField(std::string_view text, char delimiter) {
    std::string field;
    AppendCsvField(field, text, delimiter);
    return field;
}

void WriteTransactionListCsv(DataWriter& out, const Document& document, const Account& account,
                             const TransactionRows& rows, CsvForm form) {
    WriteByteOrderMark(out);
    CsvRecord record(out, form);
    for (const char* title : {"#", "Date", "Type", "Amount", "Signed amount", "Payee", "Category", "Memo"})
        record.Text(title);
    record.Text(TypeInfo(account.type).balanceTitle);
    record.End();
    for (std::int32_t row = 0; row < rows.count; ++row) {
        const std::int32_t index = StorageIndexOnRow(rows, row);
        const Transaction& t = account.GetTransaction(index);
        record.Text(NumberTextOf(t.number));
        record.Date(t);
        record.Text(TransactionFieldText(document, account, t, ColumnType, kDateFormatAmerican));
        record.Amount(AmountText(t.amount));
        record.Amount(SignedAmountText(t));
        for (int field : {ColumnPayee, ColumnCategory, ColumnMemo})
            record.Text(TransactionFieldText(document, account, t, field, kDateFormatAmerican));
        record.Amount(TransactionCellText(document, account, rows, index, ColumnTotal, kDateFormatAmerican));
        record.End();
    }
}

void WriteSummaryCsv(DataWriter& out, const Document& document, const Account& account, const SummaryLines& summary,
                     CsvForm form) {
    WriteByteOrderMark(out);
    CsvRecord record(out, form);
    for (const ListColumn& column : summary.columns) {
        record.Text(column.title);
        if (column.field == ColumnAmount) record.Text("Signed amount");
    }
    record.End();
    for (std::size_t row = 0; row < summary.lines.size(); ++row) {
        const SummaryLine& line = summary.lines[row];
        const Transaction* t = line.kind == SummaryLine::TransactionRow ? &account.GetTransaction(line.value) : nullptr;
        for (std::size_t column = 0; column < summary.columns.size(); ++column) {
            const int field = summary.columns[column].field;
            if (t != nullptr && field == ColumnDate)
                record.Date(*t);
            else if (t != nullptr && field == ColumnAmount)
                record.Amount(AmountText(t->amount));
            else
                record.Text(SummaryCellText(document, account, summary, row, column, kDateFormatAmerican));
            if (field == ColumnAmount) {
                if (t != nullptr)
                    record.Amount(SignedAmountText(*t));
                else
                    record.Text("");
            }
        }
        record.End();
    }
}
