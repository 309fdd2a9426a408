// Undo under Wine with a file of a million transactions (or the number the
// command line gives): deleting the account and undoing it, each from the
// command to the main window repainted; then the working set's growth over
// 100 single-transaction edits kept in the history.

#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "app/current_account.h"
#include "driver.h"
#include "model/history/document_changes.h"
#include "resources/resource.h"
#include "sample_document.h"
#include "shell/program.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }

void Repaint() { RedrawWindow(App.frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

double WorkingSetMiB() {
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.WorkingSetSize) / (1 << 20);
}

}  // namespace

int main(int argc, char** argv) {
    Driver driver;
    const int count = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
    Program.document = MakeDocument(count);
    Account savings;
    savings.name = "Savings";
    Program.document.AddAccount(std::move(savings));
    Program.currentFile = "C:\\timing.pwf";
    SelectAccount(1);
    Repaint();

    // The Accounts dialog's Delete, as it records the step, and the views after it.
    auto start = Clock::now();
    std::optional<Step> deleted = DeleteAccount(Program.document, 0, Program.CurrentAccountIndex);
    Program.history.Record(std::move(*deleted));
    SelectAccount(Program.CurrentAccountIndex);
    Repaint();
    const double deleteMs = Since(start);
    start = Clock::now();
    driver.Command(IDM_UNDO);
    Repaint();
    const double undoMs = Since(start);
    std::printf("%d transactions: delete the account %.1f ms, undo it %.1f ms (%d accounts, current %d)\n", count,
                deleteMs, undoMs, Program.document.AccountCount(), Program.CurrentAccountIndex);

    SelectAccount(0);
    const double before = WorkingSetMiB();
    for (std::int32_t i = 0; i < 100; ++i) {
        const Transaction was = Program.document.GetAccount(0).GetTransaction(i * 1000);
        Program.document.GetAccount(0).GetTransaction(i * 1000).amount += 1.0;
        Program.history.Record(ReplacedTransactionStep(Program.document, 0, i * 1000, was));
    }
    std::printf("100 edits kept in the history: working set %+.2f MiB (%.1f MiB)\n", WorkingSetMiB() - before,
                WorkingSetMiB());
    return 0;
}
