// How long Summary by Category takes under Wine to fill its table with many
// rows (10,000 transactions of one category unless the command line gives a
// number): from the click on "Generate Summary" to the table drawn.

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "driver.h"
#include "resources/resource.h"
#include "shell/program.h"
#include "views/transaction_list.h"

int main(int argc, char** argv) {
    using Clock = std::chrono::steady_clock;
    Driver driver;
    const int count = argc > 1 ? std::atoi(argv[1]) : 10'000;
    Document document;
    document.AddCategory("None");
    document.AddCategory("Groceries");
    Account account;
    account.name = "Checking";
    for (int i = 0; i < count; ++i)
        account.AddTransaction({1 + (i % 2500) / 100.0, i % 4 == 1 ? 0 : 1, 1 + i % 12, 1 + i % 28, 2026, 1, i,
                                "Corner Market", "weekly"});
    document.AddAccount(account);
    Program.document = document;
    Program.currentFile = "C:\\timing.pwf";
    SelectAccount(0);

    double filled = 0;
    driver.OnModal([&](ModalWindow& dialog) {
        SendDlgItemMessageA(dialog.Handle(), IDC_SUMMARY_CATEGORIES, LB_SETSEL, TRUE, 1);
        const Clock::time_point start = Clock::now();
        dialog.Click(IDOK);
        RedrawWindow(dialog.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        filled = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        dialog.Click(IDCANCEL);
    });
    driver.Command(IDM_SUMMARY_BY_CATEGORY);
    std::printf("Summary by Category of %d transactions: table filled and drawn in %.0f ms\n", count, filled);
    return 0;
}
