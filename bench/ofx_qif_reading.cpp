// Reading a bank's download: an OFX 1.x file and a QIF file of 100,000
// transactions each, made in memory, so that the figures are the readers'
// own work without the disk.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "model/statements/ofx_reader.h"
#include "model/statements/qif_reader.h"

namespace {

constexpr std::string_view kPayees[] = {"Fresh Market", "City Power & Light", "Caf\xE9 du Parc",
                                        "Parkview Apartments", "Shell 0042"};
constexpr std::string_view kMemos[] = {"Weekly groceries", "Card 1234 purchase", "", "Rent"};

// The n-th transaction's date digits and amount, the same in both files.
struct Sample {
    int year, month, day;
    std::string amount;
};

Sample SampleAt(std::int32_t i) {
    const std::int64_t cents = 1 + (std::int64_t{i} * 7919) % 250000;
    std::string amount = (i % 4 == 1 ? "" : "-") + std::to_string(cents / 100) + "." +
                         std::to_string(cents % 100 / 10) + std::to_string(cents % 10);
    return {2000 + (i / 336) % 25, 1 + i % 12, 1 + i % 28, amount};
}

std::string TwoDigits(int value) { return std::to_string(value / 10) + std::to_string(value % 10); }

std::string OfxFile(std::int32_t count) {
    std::string file =
        "OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nENCODING:USASCII\r\nCHARSET:1252\r\n\r\n<OFX>\r\n"
        "<BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STMTRS><CURDEF>USD\r\n"
        "<BANKACCTFROM><BANKID>121000248<ACCTID>2290447108<ACCTTYPE>CHECKING</BANKACCTFROM>\r\n<BANKTRANLIST>\r\n";
    for (std::int32_t i = 0; i < count; ++i) {
        const Sample s = SampleAt(i);
        file += "<STMTTRN>\r\n<TRNTYPE>" + std::string(s.amount[0] == '-' ? "DEBIT" : "CREDIT") + "\r\n<DTPOSTED>" +
                std::to_string(s.year) + TwoDigits(s.month) + TwoDigits(s.day) + "120000.000[-5:EST]\r\n<TRNAMT>" +
                s.amount + "\r\n<FITID>" + std::to_string(9'000'000'000 + i) + "\r\n<NAME>" +
                std::string(kPayees[i % std::size(kPayees)]) + "\r\n<MEMO>" +
                std::string(kMemos[i % std::size(kMemos)]) + "\r\n</STMTTRN>\r\n";
    }
    return file + "</BANKTRANLIST>\r\n<LEDGERBAL><BALAMT>1500.00<DTASOF>20241231</LEDGERBAL>\r\n"
                  "</STMTRS></STMTTRNRS></BANKMSGSRSV1>\r\n</OFX>\r\n";
}

// Dates as Quicken writes them, with the apostrophe before the year.
std::string QifFile(std::int32_t count) {
    std::string file = "!Type:Bank\r\n";
    for (std::int32_t i = 0; i < count; ++i) {
        const Sample s = SampleAt(i);
        const std::string date = std::to_string(s.month) + "/" + (s.day < 10 ? " " : "") + std::to_string(s.day) +
                                 "'" + TwoDigits(s.year % 100);
        file += "D" + date + "\r\nT" + s.amount + "\r\nC*\r\nN" + std::to_string(1000 + i % 500) + "\r\nP" +
                std::string(kPayees[i % std::size(kPayees)]) + "\r\nM" + std::string(kMemos[i % std::size(kMemos)]) +
                "\r\nL" + (i % 10 == 0 ? "[Savings]" : "Groceries:Food") + "\r\n^\r\n";
    }
    return file;
}

void BM_ReadOfx(benchmark::State& state) {
    const std::string file = OfxFile(static_cast<std::int32_t>(state.range(0)));
    std::size_t lines = 0;
    for (auto _ : state) lines = ReadOfxStatements(file).at(0).lines.size();
    if (lines != static_cast<std::size_t>(state.range(0))) state.SkipWithError("not every transaction was read");
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file.size()));
}

void BM_ReadQif(benchmark::State& state) {
    const std::string file = QifFile(static_cast<std::int32_t>(state.range(0)));
    std::size_t lines = 0;
    for (auto _ : state) lines = ReadQifStatement(file, std::nullopt).statement.lines.size();
    if (lines != static_cast<std::size_t>(state.range(0))) state.SkipWithError("not every transaction was read");
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file.size()));
}

BENCHMARK(BM_ReadOfx)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadQif)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
