// Data file speed and memory: Load and Save at three sizes, the 1M-transaction
// file against plain `cat` and `dd` work on the same bytes, the peak memory of
// a load, and DeleteCategory over 1M transactions.
//
// Files go to a fresh folder under $TMPDIR (or /tmp) that is removed at the
// end; the 1M-transaction file is about 94 MB. The files are read while still
// in the page cache, so the load figures are CPU and memory costs, as are
// the `cat` figures they are compared with.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/file/data_stream.h"
#include "model/dates.h"
#include "model/document.h"
#include "model/file/legacy_import.h"
#include "model/program_values.h"
#include "model/tables/report_layout.h"
#include "model/tables/summary_rows.h"
#include "model/tables/transaction_rows.h"
#include "sample_document.h"

namespace {

constexpr std::int32_t kMillion = 1'000'000;

// Created on first use; main removes it with everything in it.
std::optional<std::filesystem::path> scratchFolder;

std::string ScratchFile(const std::string& name) {
    if (!scratchFolder) {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/pennywhist-bench-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("pennywhist benchmarks: mkdtemp");
            std::exit(1);
        }
        scratchFolder = pattern;
    }
    return (*scratchFolder / name).string();
}

// The saved data file of a MakeDocument(count), written on first use.
const std::string& DataFile(std::int32_t count) {
    static std::map<std::int32_t, std::string> files;
    auto found = files.find(count);
    if (found != files.end()) return found->second;
    const std::string path = ScratchFile("load-" + std::to_string(count) + ".pwf");
    if (!MakeDocument(count).Save(path)) {
        std::fprintf(stderr, "pennywhist benchmarks: cannot write %s\n", path.c_str());
        std::exit(1);
    }
    return files.emplace(count, path).first->second;
}

std::int64_t FileBytes(const std::string& path) { return static_cast<std::int64_t>(std::filesystem::file_size(path)); }

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

void BM_Load(benchmark::State& state) {
    const std::string& path = DataFile(static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) {
        Document document;
        if (!document.Load(path)) state.SkipWithError("Load failed");
        state.PauseTiming();  // freeing the document is not part of loading it
        document = Document();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * FileBytes(path));
}

void BM_Save(benchmark::State& state) {
    const Document document = MakeDocument(static_cast<std::int32_t>(state.range(0)));
    const std::string path = ScratchFile("save-" + std::to_string(state.range(0)) + ".pwf");
    for (auto _ : state)
        if (!document.Save(path)) state.SkipWithError("Save failed");
    state.SetBytesProcessed(state.iterations() * FileBytes(path));
    std::filesystem::remove(path);
}

// What `cat FILE > /dev/null` does, in process: GNU cat reads 128 KiB at a time
// after advising sequential access. Leaving out cat's start-up and its writes
// to /dev/null makes the comparison stricter for Load.
std::int64_t ReadLikeCat(const std::string& path) {
    const int file = open(path.c_str(), O_RDONLY);
    if (file < 0) return -1;
    posix_fadvise(file, 0, 0, POSIX_FADV_SEQUENTIAL);
    static std::vector<char> buffer(128 * 1024);
    std::int64_t total = 0;
    ssize_t got;
    while ((got = read(file, buffer.data(), buffer.size())) > 0) total += got;
    close(file);
    return got < 0 ? -1 : total;
}

// What `dd if=... of=FILE bs=4M conv=fsync` does for `size` bytes, in process:
// 4 MiB writes into the truncated file, then fsync. The bytes come from memory,
// which dd would have to read first, so again the comparison is stricter.
bool WriteLikeDd(const std::string& path, std::int64_t size) {
    static const std::vector<char> block(4 << 20, 'x');
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (file < 0) return false;
    bool ok = true;
    for (std::int64_t left = size; ok && left > 0;) {
        const ssize_t put = write(file, block.data(), static_cast<std::size_t>(std::min<std::int64_t>(left, block.size())));
        ok = put > 0;
        left -= put;
    }
    ok = fsync(file) == 0 && ok;
    return close(file) == 0 && ok;
}

void ReportPair(benchmark::State& state, const char* baseName, double baseSeconds, const char* ourName,
                double ourSeconds, const char* ratioName) {
    const double n = static_cast<double>(state.iterations());
    state.counters[baseName] = 1000.0 * baseSeconds / n;
    state.counters[ourName] = 1000.0 * ourSeconds / n;
    state.counters[ratioName] = ourSeconds / baseSeconds;
}

// Both on the same file in each iteration, one after the other; the reported
// time is Load's. `cat` is measured twice: its reads done in this process, and
// the real program run through the shell, as one would time it by hand.
void BM_LoadVsCat(benchmark::State& state) {
    const std::string& path = DataFile(static_cast<std::int32_t>(state.range(0)));
    const std::int64_t size = FileBytes(path);
    const std::string catCommand = "cat '" + path + "' > /dev/null";
    double catSeconds = 0.0, catProgramSeconds = 0.0, loadSeconds = 0.0;
    for (auto _ : state) {
        Document document;
        const auto start = std::chrono::steady_clock::now();
        if (ReadLikeCat(path) != size) state.SkipWithError("read failed");
        const auto read = std::chrono::steady_clock::now();
        if (std::system(catCommand.c_str()) != 0) state.SkipWithError("cat failed");
        const auto catted = std::chrono::steady_clock::now();
        if (!document.Load(path)) state.SkipWithError("Load failed");
        const auto loaded = std::chrono::steady_clock::now();
        catSeconds += Seconds(read - start);
        catProgramSeconds += Seconds(catted - read);
        loadSeconds += Seconds(loaded - catted);
        state.SetIterationTime(Seconds(loaded - catted));
    }
    ReportPair(state, "cat_ms", catSeconds, "load_ms", loadSeconds, "load/cat");
    const double n = static_cast<double>(state.iterations());
    state.counters["cat_program_ms"] = 1000.0 * catProgramSeconds / n;
    state.counters["load/cat_program"] = loadSeconds / catProgramSeconds;
    state.SetBytesProcessed(state.iterations() * size);
}

// Both write the same number of bytes and replace their previous file; the
// reported time is Save's.
void BM_SaveVsDd(benchmark::State& state) {
    const Document document = MakeDocument(static_cast<std::int32_t>(state.range(0)));
    const std::string savePath = ScratchFile("save-vs-dd.pwf");
    const std::string ddPath = ScratchFile("dd.out");
    if (!document.Save(savePath) || !WriteLikeDd(ddPath, FileBytes(savePath))) {
        state.SkipWithError("cannot write the scratch files");
        return;
    }
    const std::int64_t size = FileBytes(savePath);
    double ddSeconds = 0.0, saveSeconds = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!WriteLikeDd(ddPath, size)) state.SkipWithError("write failed");
        const auto written = std::chrono::steady_clock::now();
        if (!document.Save(savePath)) state.SkipWithError("Save failed");
        const auto saved = std::chrono::steady_clock::now();
        ddSeconds += Seconds(written - start);
        saveSeconds += Seconds(saved - written);
        state.SetIterationTime(Seconds(saved - written));
    }
    ReportPair(state, "dd_ms", ddSeconds, "save_ms", saveSeconds, "save/dd");
    state.SetBytesProcessed(state.iterations() * size);
    std::filesystem::remove(savePath);
    std::filesystem::remove(ddPath);
}

// A child process loads the file; its peak resident size comes back through
// wait4. The child starts as a copy of this process, so its size before the
// load (the baseline) is reported too, and the load's own share is the
// difference.
void BM_LoadPeakMemory(benchmark::State& state) {
    const std::string& path = DataFile(static_cast<std::int32_t>(state.range(0)));
    long baselineKiB = 0, peakKiB = 0;
    for (auto _ : state) {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) {
            state.SkipWithError("pipe failed");
            break;
        }
        const pid_t child = fork();
        if (child == 0) {
            rusage self{};
            getrusage(RUSAGE_SELF, &self);
            Document document;
            const bool loaded = document.Load(path);
            const long baseline = self.ru_maxrss;
            const bool told = write(pipeEnds[1], &baseline, sizeof baseline) == sizeof baseline;
            _exit(loaded && told ? 0 : 1);  // no exit handlers: they belong to the parent
        }
        close(pipeEnds[1]);
        const bool told = child > 0 && read(pipeEnds[0], &baselineKiB, sizeof baselineKiB) == sizeof baselineKiB;
        close(pipeEnds[0]);
        int status = 0;
        rusage usage{};
        if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0 || !told) {
            state.SkipWithError("the loading child failed");
            break;
        }
        peakKiB = usage.ru_maxrss;
    }
    const double fileMiB = static_cast<double>(FileBytes(path)) / (1 << 20);
    const double loadMiB = static_cast<double>(peakKiB - baselineKiB) / 1024.0;
    state.counters["file_MiB"] = fileMiB;
    state.counters["peak_MiB"] = static_cast<double>(peakKiB) / 1024.0;
    state.counters["baseline_MiB"] = static_cast<double>(baselineKiB) / 1024.0;
    state.counters["load_MiB"] = loadMiB;
    state.counters["load/file"] = loadMiB / fileMiB;
    state.counters["peak/file"] = static_cast<double>(peakKiB) / 1024.0 / fileMiB;
}

// Deletes a middle category, so references below it stay, references to it
// become 0 and references above it move down. The document is put back
// untimed after each deletion.
void BM_DeleteCategory(benchmark::State& state) {
    const Document original = MakeDocument(static_cast<std::int32_t>(state.range(0)));
    Document document = original;
    for (auto _ : state) {
        document.DeleteCategory(3);
        state.PauseTiming();
        document = original;
        state.ResumeTiming();
    }
}

// Switching the list to an account: running totals, the row order for the
// date order (0 ascending, 1 descending, 2 unsorted), and the texts of a first
// screen of rows, which the virtual list asks for as it paints.
void BM_SwitchAccount(benchmark::State& state) {
    const Document document = MakeDocument(static_cast<std::int32_t>(state.range(0)));
    const Account& account = document.GetAccount(0);
    const auto sortDate = static_cast<std::int32_t>(state.range(1));
    for (auto _ : state) {
        const TransactionRows rows = BuildTransactionRows(account, sortDate, kDateFormatAmerican);
        std::size_t characters = 0;
        for (std::int32_t row = 0; row < 40 && row < rows.count; ++row)
            for (int column = 0; column < 8; ++column)
                characters += TransactionCellText(document, account, rows, StorageIndexOnRow(rows, row), column,
                                                  kDateFormatAmerican).size();
        benchmark::DoNotOptimize(characters);
    }
}

// The rows of the summary dialogs over a million transactions: three of the
// eight categories (about 375,000 rows), and one month (about 3,000 rows).
// Freeing the rows is left out, as for Load.
template <typename MakeRows>
void TimeSummaryRows(benchmark::State& state, MakeRows makeRows) {
    std::size_t rowCount = 0;
    for (auto _ : state) {
        SummaryLines rows = makeRows();
        state.PauseTiming();
        rowCount = rows.lines.size();
        rows = {};
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(rowCount);
}

void BM_SummaryByCategory(benchmark::State& state) {
    const Document document = MakeDocument(kMillion);
    TimeSummaryRows(state, [&] {
        return CategorySummaryRows(document, document.GetAccount(0), {7, 2, 5});
    });
}

void BM_SummaryByMonth(benchmark::State& state) {
    const Document document = MakeDocument(kMillion);
    TimeSummaryRows(state, [&] {
        return MonthSummaryRows(document.GetAccount(0), 3, 2013);
    });
}

BENCHMARK(BM_SummaryByCategory)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SummaryByMonth)->Iterations(10)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_Load)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Arg(kMillion)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(kMillion)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadVsCat)->Arg(kMillion)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveVsDd)->Arg(kMillion)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadPeakMemory)->Arg(kMillion)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteCategory)->Arg(kMillion)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchAccount)
    ->ArgsProduct({{10'000, 100'000, kMillion}, {0, 1, 2}})
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

// The list as the screen shows it: every cell's text kept in one buffer, so
// that reading a cell costs about what copying it out of the list view does.
class StoredList : public ReportTable {
public:
    StoredList(const Document& document, const Account& account) {
        const TransactionRows rows = BuildTransactionRows(account, kSortUnsorted, kDateFormatAmerican);
        rowCount_ = rows.count;
        starts_.reserve(static_cast<std::size_t>(rows.count) * kColumns + 1);
        for (std::int32_t index = 0; index < rows.count; ++index)
            for (int column = 0; column < kColumns; ++column) {
                starts_.push_back(static_cast<std::uint32_t>(characters_.size()));
                characters_ += TransactionCellText(document, account, rows, index, column, kDateFormatAmerican);
            }
        starts_.push_back(static_cast<std::uint32_t>(characters_.size()));
    }
    int ColumnCount() const override { return kColumns; }
    int RowCount() const override { return rowCount_; }
    ReportColumn Column(int column) const override {
        static constexpr const char* kHeadings[kColumns] = {"Num",   "Date",     "Type", "Amount",
                                                            "Payee", "Category", "Memo", "Balance"};
        const bool figure = column == ColumnAmount || column == ColumnTotal;
        return {kHeadings[column], false, figure ? TextAlign::Right : TextAlign::Left};
    }
    std::string Cell(int row, int column) const override {
        const std::size_t cell = static_cast<std::size_t>(row) * kColumns + static_cast<std::size_t>(column);
        return characters_.substr(starts_[cell], starts_[cell + 1] - starts_[cell]);
    }

private:
    static constexpr int kColumns = 8;
    int rowCount_ = 0;
    std::string characters_;
    std::vector<std::uint32_t> starts_;
};

// A letter page at 600 dpi in 10-point type; it counts the texts and draws nothing.
class CountingCanvas : public ReportCanvas {
public:
    int FontHeight(Font font) override { return font == Font::DoubleTitle ? 200 : font == Font::Footer ? 67 : 83; }
    int TextWidth(Font, std::string_view text) override { return 45 * static_cast<int>(text.size()); }
    void Text(Font, const PrintRect&, std::string_view, TextAlign) override { ++texts; }
    void Line(int, int, int, int, int) override {}
    void Frame(const PrintRect&) override {}
    void StartPage() override {}
    void EndPage() override {}
    int PageWidth() override { return 4800; }
    int PageHeight() override { return 6300; }
    std::int64_t texts = 0;
};

// Measuring the columns and laying out every page of a 1M-row list; its
// texts are built once, untimed.
void BM_PrintLayout(benchmark::State& state) {
    const StoredList list = [&] {
        const Document document = MakeDocument(static_cast<std::int32_t>(state.range(0)));
        return StoredList(document, document.GetAccount(0));
    }();
    int pages = 0;
    std::int64_t texts = 0;
    for (auto _ : state) {
        CountingCanvas canvas;
        pages = PrintReport(list, canvas, "Checking", PrintTime{2026, 3, 7, 9, 5, 2});
        texts = canvas.texts;
    }
    state.counters["pages"] = pages;
    state.counters["texts"] = static_cast<double>(texts);
}

BENCHMARK(BM_PrintLayout)->Arg(kMillion)->Iterations(3)->Unit(benchmark::kMillisecond);

// A 1.1x account file of `count` transactions, laid out field by field
// (the program has no writer for it), written on first use.
const std::string& LegacyFile(std::int32_t count) {
    static constexpr std::string_view kCategories[] = {"None/Miscellaneous", "Groceries", "Fuel", "Income",
                                                       "Rent", "Utilities"};
    static constexpr std::string_view kMemos[] = {"Weekly groceries", "Paycheck", "Electric bill", "Gas", ""};
    static std::map<std::int32_t, std::string> files;
    auto found = files.find(count);
    if (found != files.end()) return found->second;
    const std::string path = ScratchFile("legacy-" + std::to_string(count) + ".pwa");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    bool written = file != nullptr;
    if (written) {
        DataWriter out(file);
        const auto text = [&out](std::string_view value, std::size_t width) {
            std::string field(value);
            field.resize(width, '\0');
            out.Write(field.data(), width);
        };
        text("Pennywhist Account", 19);
        out.WriteInt32(2);
        text("Old Checking", 31);
        text("Kept since 1998", 251);
        text("", 31);
        out.WriteDouble(1500.0);
        out.WriteDouble(0.0);
        out.WriteInt32(0);
        out.WriteDouble(0.0);
        out.WriteInt32(static_cast<std::int32_t>(std::size(kCategories)));
        for (std::string_view name : kCategories) text(name, 31);
        out.WriteInt32(0);
        out.WriteInt32(count);
        for (std::int32_t i = 0; i < count; ++i) {
            out.WriteInt32(i % 4 == 1 ? 0 : 1);
            out.WriteDouble(static_cast<double>(1 + (std::int64_t{i} * 7919) % 250000) / 100.0);
            out.WriteInt32(i % 7);  // 6 is outside the list
            text(kMemos[static_cast<std::size_t>(i) % std::size(kMemos)], 251);
            for (std::int32_t value : {1 + i % 12, 1 + i % 28, 1990 + (i / 336) % 10, 0, 0, 0}) out.WriteInt32(value);
        }
        written = out.Flush();
        written = std::fclose(file) == 0 && written;
    }
    if (!written) {
        std::fprintf(stderr, "pennywhist benchmarks: cannot write %s\n", path.c_str());
        std::exit(1);
    }
    return files.emplace(count, path).first->second;
}

// The Import command's work: reading the file and adding its account to a
// document that has one account already. Freeing both is left out, as for Load.
void BM_LegacyImport(benchmark::State& state) {
    const std::string& path = LegacyFile(static_cast<std::int32_t>(state.range(0)));
    const Document original = MakeDocument(0);
    int steps = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Document document = original;
        LegacyAccount legacy;
        state.ResumeTiming();
        if (!ReadLegacyAccount(path, legacy)) state.SkipWithError("ReadLegacyAccount failed");
        if (!ImportLegacyAccount(document, legacy, AccountTypeBank, Date{2026, 3, 7}, [&](int done) { steps = done; })
                 .Closes())
            state.SkipWithError("ImportLegacyAccount failed");
        state.PauseTiming();
        document = Document();
        legacy = LegacyAccount();
        state.ResumeTiming();
    }
    state.counters["steps"] = steps;
    state.SetBytesProcessed(state.iterations() * FileBytes(path));
}

BENCHMARK(BM_LegacyImport)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (scratchFolder) std::filesystem::remove_all(*scratchFolder);
    return 0;
}
