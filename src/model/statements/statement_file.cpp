#include "model/statements/statement_file.h"

#include <algorithm>
#include <cctype>
#include <new>

#include "model/statements/ofx_reader.h"
#include "model/statements/qif_reader.h"
#include "model/statements/statement_text.h"
#include "platform/platform_file.h"

namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b)); });
}

bool HasExtension(std::string_view path, std::string_view extension) {
    return path.size() > extension.size() &&
           StartsWithIgnoringCase(path.substr(path.size() - extension.size()), extension);
}

}  // namespace

StatementFormat StatementFormatOf(std::string_view path, std::string_view bytes) {
    bytes.remove_prefix(ByteOrderMarkLength(bytes));
    const std::size_t start = bytes.find_first_not_of(" \t\r\n");
    const std::string_view head = start == std::string_view::npos ? std::string_view() : bytes.substr(start, 4096);
    if (StartsWithIgnoringCase(head, "OFXHEADER") || StartsWithIgnoringCase(head, "<OFX") ||
        (StartsWithIgnoringCase(head, "<?xml") && head.find("OFX") != std::string_view::npos))
        return StatementFormat::Ofx;
    if (StartsWithIgnoringCase(head, "!Type:") || StartsWithIgnoringCase(head, "!Account") ||
        StartsWithIgnoringCase(head, "!Option"))
        return StatementFormat::Qif;
    if (HasExtension(path, ".ofx") || HasExtension(path, ".qfx")) return StatementFormat::Ofx;
    if (HasExtension(path, ".qif")) return StatementFormat::Qif;
    return StatementFormat::Csv;
}

std::optional<StatementFile> OpenStatementFile(const std::string& path) {
    try {
        InputFile input(path);
        if (!input.IsOpen() || input.Size() > kMaxStatementFileSize) return std::nullopt;
        std::string bytes(static_cast<std::size_t>(input.Size()), '\0');
        if (!input.Read(bytes.data(), bytes.size())) return std::nullopt;
        return RecogniseStatement(path, std::move(bytes));
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

std::optional<StatementFile> RecogniseStatement(std::string_view path, std::string bytes) {
    StatementFile file;
    file.format = StatementFormatOf(path, bytes);
    switch (file.format) {
    case StatementFormat::Ofx: {
        file.statements = ReadOfxStatements(bytes);
        // Statements without a line have nothing to import.
        std::erase_if(file.statements, [](const Statement& s) { return s.lines.empty(); });
        if (file.statements.empty()) return std::nullopt;
        break;
    }
    case StatementFormat::Qif: {
        QifRead read = ReadQifStatement(bytes, std::nullopt);
        if (read.statement.lines.empty()) return std::nullopt;
        file.ambiguousDate = std::move(read.ambiguousDate);
        file.bytes = std::move(bytes);
        break;
    }
    case StatementFormat::Csv: {
        file.table = ReadCsvTable(bytes);
        const bool anyRow = std::any_of(file.table.rows.begin(), file.table.rows.end(),
                                        [](const std::vector<std::string>& row) { return row.size() >= 2; });
        if (!anyRow) return std::nullopt;
        file.mapping = GuessCsvMapping(file.table);
        break;
    }
    }
    return file;
}

Statement ChosenStatement(const StatementFile& file) {
    switch (file.format) {
    case StatementFormat::Ofx:
        return file.statements.at(static_cast<std::size_t>(file.chosen));
    case StatementFormat::Qif:
        // A file whose dates settle the order reads in that order.
        return ReadQifStatement(file.bytes, file.ambiguousDate.empty() ? std::nullopt : std::optional(file.qifOrder))
            .statement;
    case StatementFormat::Csv:
        return ApplyCsvMapping(file.table, file.mapping);
    }
    return {};
}
