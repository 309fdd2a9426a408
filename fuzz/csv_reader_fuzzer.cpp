// libFuzzer target for the CSV statement reader: the table, the guessed
// mapping and the statement it gives for the input bytes, and the input
// read as a profile's text and applied to the same table.
//
// Besides crashes and sanitizer reports it checks what the reader promises:
// - every line has a date a transaction can have, and texts that fit the
//   data file's fields with no zero byte in them;
// - no more lines and unreadable rows than the table has rows;
// - a profile's text, guessed or read from the input, reads back as the
//   same mapping.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "model/statements/csv_mapping.h"

namespace {

void Check(bool condition, const char* broken) {
    if (condition) return;
    std::fprintf(stderr, "csv_reader_fuzzer: %s\n", broken);
    std::abort();  // libFuzzer reports it as a crash and keeps the input
}

bool Fits(std::string_view text) {
    return text.size() <= kStatementTextCapacity && text.find('\0') == std::string_view::npos;
}

void CheckStatement(const CsvTable& table, const CsvMapping& mapping) {
    const Statement statement = ApplyCsvMapping(table, mapping);
    Check(statement.lines.size() + static_cast<std::size_t>(statement.unreadableLines) <= table.rows.size(),
          "more lines than rows");
    for (const StatementLine& line : statement.lines) {
        Check(IsStatementDate(line.date), "a line's date is not one a transaction can have");
        Check(Fits(line.payee) && Fits(line.memo) && Fits(line.category), "a line's text does not fit its field");
        Check(line.number >= 0, "a negative cheque number");
    }
    Check(CsvMappingOfProfile(CsvProfileText(mapping)) == mapping, "a profile's text does not read back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const CsvTable table = ReadCsvTable(bytes);
    for (const auto& row : table.rows) Check(!row.empty() && row.size() <= kCsvMaxColumns, "a row's width is wrong");
    CheckStatement(table, GuessCsvMapping(table));
    if (const auto profile = CsvMappingOfProfile(bytes)) CheckStatement(table, *profile);
    return 0;
}
