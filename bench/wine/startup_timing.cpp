// How long the real pennywhist.exe takes under Wine, as a user runs it, on a
// data file of one Bank account with N transactions (0 as a baseline, then
// 10,000, 100,000 and 1,000,000 unless the command line names sizes):
//
//   start    from just before CreateProcess of `pennywhist.exe FILE` until the
//            Accounts dialog (a visible #32770 titled "Accounts" of the child)
//            exists and answers WM_NULL: process start, frame, file load, the
//            dialog. On the way two marks split it: the frame shown (before
//            the file is opened) and the frame's title naming the file (read
//            whole and made the open document).
//   switch   from the click on "Switch to..." (the first row selected by the
//            keyboard beforehand, not timed) until the frame's title ends with
//            " (<account>)" and the frame answers WM_NULL: totals, row order,
//            stats panel, item count.
//   painted  the same start until the frame and its visible children have no
//            update region left: the first screen of rows drawn as well.
//   close    from WM_CLOSE to the frame until the process has ended (the
//            program saves the file on closing).
//   memory   the child's peak and current working set (GetProcessMemoryInfo;
//            Wine reads VmHWM and VmRSS of the process), after the first
//            screen is drawn.
//
// Each run works on a fresh copy of the size's data file. A warm-up run on
// the smallest file comes first (not reported) so that every reported run
// finds the program's settings in the registry and Wine's DLLs in the cache.
// Then, unless --no-parts, the pieces of the work timed in this process under
// Wine with the same core code the program links: a plain read of the file,
// Document::Load, the rows, the stats figures, Save and freeing the document.
//
//   startup_timing [--runs R] [--program EXE] [--folder DIR] [--timeout S]
//                  [--poll MS] [--no-parts] [--keep] [N ...]
// --timeout bounds every wait (300 s); --poll is the interval at which the
// child's windows are looked at (1 ms); --keep leaves the data files.
//
// Run it with scripts/with-wine.sh (one wineserver for the whole run), or
// with bench/wine/startup_timing.sh, which builds it and pennywhist first:
//   scripts/with-wine.sh scripts/wine-run.sh build/windows/bench/wine/startup_timing.exe

#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/dates.h"
#include "model/document.h"
#include "sample_document.h"
#include "model/program_values.h"
#include "model/tables/stats_figures.h"
#include "model/tables/transaction_rows.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kAccountListId = 1016;  // IDC_ACCOUNT_LIST of the Accounts dialog

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }
double MiB(std::uint64_t bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

std::uint64_t FileBytes(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

// For a window of another process Wine reads the title the server keeps; no
// message is sent, so a busy program does not block the caller.
std::string TitleOf(HWND window) {
    char title[512] = "";
    GetWindowTextA(window, title, sizeof title);
    return title;
}

bool Answers(HWND window, DWORD timeoutMs) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

// The visible top-level windows of class `className` that belong to the
// child's main thread and process.
std::vector<HWND> ChildWindows(DWORD threadId, DWORD processId, const char* className) {
    struct Search {
        DWORD processId;
        const char* className;
        std::vector<HWND> found;
    } search{processId, className, {}};
    EnumThreadWindows(
        threadId,
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s.processId && IsWindowVisible(window) && ClassOf(window) == s.className)
                s.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// True when neither `window` nor any visible descendant has an update region:
// every WM_PAINT has been handled.
bool Painted(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) return false;
    bool pending = false;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM parameter) -> BOOL {
            if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
                *reinterpret_cast<bool*>(parameter) = true;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&pending));
    return !pending;
}

struct RunResult {
    bool ok = false;
    std::string error;
    double frameMs = 0, loadedMs = 0, startMs = 0, switchMs = 0, paintedMs = 0, closeMs = 0;
    std::uint64_t peakWorkingSet = 0, workingSet = 0;
    long long rows = -1;
};

class Runner {
public:
    Runner(std::string program, DWORD timeoutMs, DWORD pollMs)
        : program_(std::move(program)), timeoutMs_(timeoutMs), pollMs_(pollMs) {}

    RunResult Run(const std::string& file);

private:
    // Polls `done` every pollMs_ until it holds; false when the time is
    // up or the child has ended (the reason goes to result.error).
    template <typename Done>
    bool WaitFor(const char* what, Done done, RunResult& result) {
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs_);
        for (;;) {
            if (done()) return true;
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0) {
                DWORD code = 0;
                GetExitCodeProcess(process_.hProcess, &code);
                result.error = std::string("the program ended (exit code ") + std::to_string(code) +
                               ") while waiting for " + what;
                return false;
            }
            if (Clock::now() > deadline) {
                result.error = std::string("timed out waiting for ") + what;
                return false;
            }
            Sleep(pollMs_);
        }
    }

    // A message box or another dialog of the child instead of the one awaited.
    std::string UnexpectedDialog(const char* expectedTitle) const {
        for (HWND dialog : ChildWindows(process_.dwThreadId, process_.dwProcessId, "#32770")) {
            const std::string title = TitleOf(dialog);
            if (title == expectedTitle) continue;
            return "\"" + title + "\": \"" + TitleOf(GetDlgItem(dialog, 0xFFFF)) + "\"";
        }
        return "";
    }

    DWORD Remaining(Clock::time_point deadline) const {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        return left > 1 ? static_cast<DWORD>(left) : 1;
    }

    void Kill() {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 10'000);
    }

    void Release() {
        if (process_.hThread != nullptr) CloseHandle(process_.hThread);
        if (process_.hProcess != nullptr) CloseHandle(process_.hProcess);
        process_ = {};
    }

    RunResult Measure(const std::string& file);

    std::string program_;
    DWORD timeoutMs_;
    DWORD pollMs_;
    PROCESS_INFORMATION process_{};
};

RunResult Runner::Run(const std::string& file) {
    RunResult result = Measure(file);
    Release();
    return result;
}

RunResult Runner::Measure(const std::string& file) {
    RunResult result;
    std::string commandLine = "\"" + program_ + "\" \"" + file + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;

    // 1. Start until the Accounts dialog is there and answers.
    const Clock::time_point started = Clock::now();
    if (!CreateProcessA(program_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
        result.error = "CreateProcess failed, error " + std::to_string(GetLastError());
        return result;
    }
    HWND dialog = nullptr;
    std::string unexpected;
    // On the way: the frame shown (before the file is opened), then its title
    // naming the file (the file read whole and made the open document).
    Clock::time_point frameAt{}, loadedAt{};
    const bool dialogShown = WaitFor(
        "the Accounts dialog",
        [&] {
            if (loadedAt == Clock::time_point{}) {
                for (HWND frame : ChildWindows(process_.dwThreadId, process_.dwProcessId, "Pennywhist")) {
                    if (frameAt == Clock::time_point{}) frameAt = Clock::now();
                    if (TitleOf(frame).find(" - ") != std::string::npos) loadedAt = Clock::now();
                }
            }
            for (HWND window : ChildWindows(process_.dwThreadId, process_.dwProcessId, "#32770")) {
                if (TitleOf(window) == "Accounts" && Answers(window, timeoutMs_)) {
                    dialog = window;
                    return true;
                }
            }
            unexpected = UnexpectedDialog("Accounts");
            return !unexpected.empty();
        },
        result);
    const Clock::time_point dialogAt = Clock::now();
    if (!dialogShown || dialog == nullptr) {
        if (!unexpected.empty()) result.error = "unexpected dialog " + unexpected;
        Kill();
        return result;
    }
    result.startMs = Ms(dialogAt - started);
    result.frameMs = frameAt == Clock::time_point{} ? -1 : Ms(frameAt - started);
    result.loadedMs = loadedAt == Clock::time_point{} ? -1 : Ms(loadedAt - started);

    HWND frame = nullptr;
    for (HWND window : ChildWindows(process_.dwThreadId, process_.dwProcessId, "Pennywhist")) frame = window;
    if (frame == nullptr) {
        result.error = "no frame window";
        Kill();
        return result;
    }

    // 2. Select the first row with the keyboard (not timed), then "Switch to...".
    HWND accountList = GetDlgItem(dialog, kAccountListId);
    PostMessageA(accountList, WM_KEYDOWN, VK_HOME, 0x00470001);
    PostMessageA(accountList, WM_KEYUP, VK_HOME, 0xC0470001);
    DWORD_PTR selected = static_cast<DWORD_PTR>(-1);
    if (!WaitFor(
            "the first account row to be selected",
            [&] {
                return SendMessageTimeoutA(accountList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED,
                                           SMTO_NORMAL, timeoutMs_, &selected) != 0 &&
                       selected == 0;
            },
            result)) {
        Kill();
        return result;
    }

    const std::string suffix = std::string(" (") + kSampleAccountName + ")";
    const Clock::time_point switchStart = Clock::now();
    const Clock::time_point switchDeadline = switchStart + std::chrono::milliseconds(timeoutMs_);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    const bool switched = WaitFor(
        "the account's title",
        [&] {
            const std::string title = TitleOf(frame);
            if (title.size() < suffix.size() || title.compare(title.size() - suffix.size(), suffix.size(), suffix) != 0)
                return false;
            return Answers(frame, Remaining(switchDeadline));
        },
        result);
    if (!switched) {
        Kill();
        return result;
    }
    result.switchMs = Ms(Clock::now() - switchStart);
    if (!WaitFor("the first screen of rows", [&] { return Painted(frame); }, result)) {
        Kill();
        return result;
    }
    result.paintedMs = Ms(Clock::now() - switchStart);

    HWND transactionList = FindWindowExA(frame, nullptr, WC_LISTVIEWA, nullptr);
    DWORD_PTR rows = 0;
    if (transactionList != nullptr &&
        SendMessageTimeoutA(transactionList, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, timeoutMs_, &rows))
        result.rows = static_cast<long long>(rows);

    // 3. Memory, with the account shown.
    // (Wine reads them from /proc/PID/status: VmHWM and VmRSS.)
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(process_.hProcess, &counters, sizeof counters)) {
        result.peakWorkingSet = counters.PeakWorkingSetSize;
        result.workingSet = counters.WorkingSetSize;
    }

    // 4. Close; the program saves the file first.
    const Clock::time_point closeStart = Clock::now();
    PostMessageA(frame, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, timeoutMs_) != WAIT_OBJECT_0) {
        const std::string dialogText = UnexpectedDialog("");
        result.error = "the program did not end after WM_CLOSE" + (dialogText.empty() ? "" : " (dialog " + dialogText + ")");
        Kill();
        return result;
    }
    result.closeMs = Ms(Clock::now() - closeStart);
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    if (code != 0) {
        result.error = "exit code " + std::to_string(code);
        return result;
    }
    result.ok = true;
    return result;
}

template <typename T>
T Median(std::vector<T> values) {
    if (values.empty()) return T{};
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string Folder(const std::string& path) { return path.substr(0, path.find_last_of("\\/") + 1); }

std::string DefaultProgram() {
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    // build/windows/bench/wine/startup_timing.exe -> build/windows/src/pennywhist.exe
    return Folder(self) + "..\\..\\src\\pennywhist.exe";
}

std::string FullPath(const std::string& path) {
    char full[MAX_PATH] = "";
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH ? std::string(full) : path;
}

// The pieces of the program's work on the file, timed in this process.
struct Parts {
    double readMs = 0, loadMs = 0, rowsMs = 0, statsMs = 0, saveMs = 0, freeMs = 0;
};

double ReadWhole(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return -1;
    static std::vector<unsigned char> buffer(4 << 20);  // the size of the loader's reads
    const Clock::time_point start = Clock::now();
    DWORD got = 0;
    while (ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) && got > 0) {
    }
    const double ms = Ms(Clock::now() - start);
    CloseHandle(file);
    return ms;
}

bool TimeParts(const std::string& path, const std::string& scratch, Parts& parts) {
    parts.readMs = ReadWhole(path);
    auto document = std::make_unique<Document>();
    Clock::time_point t = Clock::now();
    if (!document->Load(path)) return false;
    parts.loadMs = Ms(Clock::now() - t);
    const Account& account = document->GetAccount(0);
    t = Clock::now();
    const TransactionRows rows = BuildTransactionRows(account, kSortUnsorted, kDateFormatAmerican);
    parts.rowsMs = Ms(Clock::now() - t);
    t = Clock::now();
    const StatsFigures figures = ComputeStatsFigures(*document, 0, Today(), kDateFormatAmerican);
    parts.statsMs = Ms(Clock::now() - t);
    const bool whole = rows.count == account.TransactionCount() && !figures.today.empty();
    t = Clock::now();
    if (!document->Save(scratch)) return false;
    parts.saveMs = Ms(Clock::now() - t);
    t = Clock::now();
    document.reset();
    parts.freeMs = Ms(Clock::now() - t);
    DeleteFileA(scratch.c_str());
    return whole;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 3;
    std::string program = DefaultProgram();
    std::string folder;
    DWORD timeoutMs = 300'000;
    DWORD pollMs = 1;
    bool parts = true;
    bool keep = false;
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--runs" && hasValue)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--program" && hasValue)
            program = argv[++i];
        else if (arg == "--folder" && hasValue)
            folder = argv[++i];
        else if (arg == "--timeout" && hasValue)
            timeoutMs = static_cast<DWORD>(std::max(1, std::atoi(argv[++i]))) * 1000;
        else if (arg == "--poll" && hasValue)
            pollMs = static_cast<DWORD>(std::max(1, std::atoi(argv[++i])));
        else if (arg == "--no-parts")
            parts = false;
        else if (arg == "--keep")
            keep = true;
        else if (!arg.empty() && arg[0] != '-' && std::atoi(argv[i]) >= 0)
            sizes.push_back(std::atoi(argv[i]));
        else {
            std::fprintf(stderr,
                         "usage: startup_timing [--runs R] [--program EXE] [--folder DIR] [--timeout S] "
                         "[--poll MS] [--no-parts] [--keep] [N ...]\n");
            return 2;
        }
    }
    if (sizes.empty()) sizes = {0, 10'000, 100'000, 1'000'000};
    program = FullPath(program);
    if (GetFileAttributesA(program.c_str()) == INVALID_FILE_ATTRIBUTES) {
        std::fprintf(stderr, "startup_timing: no program at %s (build it: --target pennywhist)\n", program.c_str());
        return 1;
    }
    if (folder.empty()) {
        char temp[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "pennywhist-startup-" + std::to_string(GetCurrentProcessId());
    }
    folder = FullPath(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    std::printf("program %s\nfiles   %s\n", program.c_str(), folder.c_str());

    // The data files, one per size, and the scratch copy each run works on.
    std::vector<std::string> files;
    for (int size : sizes) {
        const std::string path = folder + "\\data-" + std::to_string(size) + ".pwf";
        const Clock::time_point start = Clock::now();
        if (!MakeDocument(size).Save(path)) {
            std::fprintf(stderr, "startup_timing: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("wrote %s: %d transactions, %.1f MB, in %.0f ms\n", path.c_str(), size,
                    static_cast<double>(FileBytes(path)) / 1e6, Ms(Clock::now() - start));
        files.push_back(path);
    }
    std::fflush(stdout);
    const std::string scratch = folder + "\\run.pwf";

    Runner runner(program, timeoutMs, pollMs);
    bool allOk = true;
    {
        CopyFileA(files.front().c_str(), scratch.c_str(), FALSE);
        const RunResult warmUp = runner.Run(scratch);
        std::printf("warm-up (%d transactions): %s\n", sizes.front(), warmUp.ok ? "ok" : warmUp.error.c_str());
        std::fflush(stdout);
    }

    struct Row {
        int size = 0;
        int good = 0;
        std::vector<double> frame, loaded, start, switched, painted, close, peak, working;
    };
    std::vector<Row> table;
    for (std::size_t s = 0; s < sizes.size(); ++s) {
        Row row;
        row.size = sizes[s];
        for (int run = 1; run <= runs; ++run) {
            if (!CopyFileA(files[s].c_str(), scratch.c_str(), FALSE)) {
                std::fprintf(stderr, "startup_timing: cannot copy %s\n", files[s].c_str());
                return 1;
            }
            const RunResult r = runner.Run(scratch);
            if (!r.ok) {
                allOk = false;
                std::printf("N=%-8d run %d: FAILED: %s\n", sizes[s], run, r.error.c_str());
                std::fflush(stdout);
                continue;
            }
            const bool sameFile = FileBytes(scratch) == FileBytes(files[s]);
            std::printf("N=%-8d run %d: frame %5.0f, file open %6.0f, start->Accounts %6.0f ms | switch->list "
                        "%5.0f ms, painted %5.0f ms | close %5.0f ms | peak WS %6.1f MiB, WS %6.1f MiB | rows %lld%s\n",
                        sizes[s], run, r.frameMs, r.loadedMs, r.startMs, r.switchMs, r.paintedMs, r.closeMs,
                        MiB(r.peakWorkingSet), MiB(r.workingSet), r.rows,
                        sameFile ? "" : " | SAVED FILE DIFFERS IN SIZE");
            std::fflush(stdout);
            if (r.rows != sizes[s] || !sameFile) allOk = false;
            ++row.good;
            row.frame.push_back(r.frameMs);
            row.loaded.push_back(r.loadedMs);
            row.start.push_back(r.startMs);
            row.switched.push_back(r.switchMs);
            row.painted.push_back(r.paintedMs);
            row.close.push_back(r.closeMs);
            row.peak.push_back(MiB(r.peakWorkingSet));
            row.working.push_back(MiB(r.workingSet));
        }
        table.push_back(std::move(row));
    }

    std::printf("\nMedians of %d runs (ms; MiB), all from just before CreateProcess except switch and painted.\n"
                "frame = the frame shown, before the file is opened; file open = its title names the file;\n"
                "start->Accounts = the Accounts dialog answers; switch->list = from the click on \"Switch to...\"\n"
                "until the title shows the account and the frame answers; painted = until the first screen\n"
                "of rows is drawn; close = WM_CLOSE (save included) until the process has ended.\n",
                runs);
    std::printf("%10s %5s %7s %9s %15s %13s %8s %7s %8s %8s\n", "N", "runs", "frame", "file open",
                "start->Accounts", "switch->list", "painted", "close", "peak WS", "WS");
    for (const Row& row : table)
        std::printf("%10d %3d/%d %7.0f %9.0f %15.0f %13.0f %8.0f %7.0f %8.1f %8.1f\n", row.size, row.good, runs,
                    Median(row.frame), Median(row.loaded), Median(row.start), Median(row.switched),
                    Median(row.painted), Median(row.close), Median(row.peak), Median(row.working));
    std::fflush(stdout);

    if (parts) {
        std::printf("\nThe same work in this process under Wine (medians of %d; ms): a plain read of the file\n"
                    "in 4 MiB blocks, Document::Load, BuildTransactionRows, ComputeStatsFigures, Save, and\n"
                    "freeing the document.\n",
                    runs);
        std::printf("%10s %9s %9s %9s %9s %9s %9s\n", "N", "read", "Load", "rows", "stats", "Save", "free");
        const std::string saved = folder + "\\parts.pwf";
        for (std::size_t s = 0; s < sizes.size(); ++s) {
            std::vector<double> read, load, rows, stats, save, freed;
            for (int run = 0; run < runs; ++run) {
                Parts p;
                if (!TimeParts(files[s], saved, p)) {
                    std::printf("%10d  FAILED\n", sizes[s]);
                    allOk = false;
                    break;
                }
                read.push_back(p.readMs);
                load.push_back(p.loadMs);
                rows.push_back(p.rowsMs);
                stats.push_back(p.statsMs);
                save.push_back(p.saveMs);
                freed.push_back(p.freeMs);
            }
            std::printf("%10d %9.1f %9.1f %9.1f %9.1f %9.1f %9.1f\n", sizes[s], Median(read), Median(load),
                        Median(rows), Median(stats), Median(save), Median(freed));
            std::fflush(stdout);
        }
    }

    if (!keep) {
        for (const std::string& file : files) DeleteFileA(file.c_str());
        DeleteFileA(scratch.c_str());
        RemoveDirectoryA(folder.c_str());
    }
    return allOk ? 0 : 1;
}
