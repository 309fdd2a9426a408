#pragma once
// A statement file opened for the import preview: its format, what was read
// of it, and the choices that turn it into one statement (which statement of
// an OFX file, the date order of a QIF file, the columns of a CSV file).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/statements/csv_mapping.h"
#include "model/statements/csv_table.h"
#include "model/statements/statement.h"

enum class StatementFormat { Ofx, Qif, Csv };

// Larger files are refused before they are read: a bank's statement is far smaller.
inline constexpr std::uint64_t kMaxStatementFileSize = 256u << 20;

// By what the bytes begin with (an OFX header or tag, a QIF "!" header),
// then by the name's extension (.ofx, .qfx, .qif); anything else is CSV.
StatementFormat StatementFormatOf(std::string_view path, std::string_view bytes);

struct StatementFile {
    StatementFormat format = StatementFormat::Csv;
    std::string bytes;  // kept for a QIF file, read again in another date order
    // OFX: every statement of the file and the one chosen.
    std::vector<Statement> statements;
    int chosen = 0;
    // QIF: the date the file leaves ambiguous (empty when it settles the
    // order) and the order the user chose for it.
    std::string ambiguousDate;
    DateOrder qifOrder = DateOrder::MonthDayYear;
    // CSV: the cells and their mapping.
    CsvTable table;
    CsvMapping mapping;
};

// Reads and recognises a statement file. std::nullopt when it cannot be
// read, is too large, or holds no transaction this program can read (a CSV
// file: no row of at least two cells, since its columns are mapped later).
std::optional<StatementFile> OpenStatementFile(const std::string& path);
// The same over bytes already read.
std::optional<StatementFile> RecogniseStatement(std::string_view path, std::string bytes);

// The statement the file's choices give.
Statement ChosenStatement(const StatementFile& file);
