// How long the Reconcile dialog takes under Wine on an account of a million
// transactions (or the number the command line gives), a tenth of them not
// yet reconciled: from the command to the dialog painted with its rows and
// figures, and a tick (Space on a selected row) until the row and the
// figures are repainted. The dialog opens twice: the first opening also
// loads what every later one finds ready.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/current_account.h"
#include "driver.h"
#include "resources/resource.h"
#include "sample_document.h"
#include "shell/program.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }

void Repaint(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

}  // namespace

int main(int argc, char** argv) {
    Driver driver;
    const int count = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
    Program.document = MakeDocument(count);
    std::vector<Transaction>& transactions = Program.document.GetAccount(0).transactions;
    for (std::size_t i = 0; i < transactions.size(); ++i) transactions[i].mark = i % 10 == 0 ? MarkCleared : MarkReconciled;
    Program.currentFile = "C:\\timing.pwf";
    SelectAccount(0);

    for (int run = 1; run <= 2; ++run) {
        Clock::time_point start;
        double shown = 0;
        std::vector<double> ticks;
        int rows = 0;
        driver.OnModal([&](ModalWindow& dialog) {
            Repaint(dialog.Handle());
            shown = Since(start);
            HWND list = GetDlgItem(dialog.Handle(), IDC_RECONCILE_LIST);
            rows = ListView_GetItemCount(list);
            for (int i = 0; i < 10; ++i) {
                SelectListRow(list, i);
                const auto tick = Clock::now();
                SendMessageA(list, WM_KEYDOWN, VK_SPACE, 0);
                Repaint(dialog.Handle());
                ticks.push_back(Since(tick));
            }
            dialog.Click(IDCANCEL);
        });
        start = Clock::now();
        driver.Command(IDM_RECONCILE);
        std::sort(ticks.begin(), ticks.end());
        std::printf("run %d, %d transactions, %d rows to reconcile: dialog shown %.0f ms; a tick %.1f ms (median of %zu, "
                    "slowest %.1f)\n",
                    run, count, rows, shown, ticks[ticks.size() / 2], ticks.size(), ticks.back());
    }
    return 0;
}
