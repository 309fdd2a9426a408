// How long the Bills & Deposits dialog takes under Wine with many items
// (10,000 unless the command line gives a number): from the command to the
// dialog painted with its first rows, and one Process... from the click to
// the row rewritten and the stats panel refreshed. The driver acts on a
// dialog at its first timer tick, so each figure may hold up to 10 ms of waiting.

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "driver.h"
#include "model/rules/bill_rules.h"
#include "resources/resource.h"
#include "shell/program.h"
#include "views/transaction_list.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

Document ManyBills(int count) {
    Document document;
    document.AddCategory("None");
    Account account;
    account.name = "Checking";
    document.AddAccount(account);
    for (int i = 0; i < count; ++i) {
        BillDeposit bill;
        bill.kind = i % 3 == 0 ? DepositKind : BillKind;
        bill.amount = 10 + i % 500;
        bill.month = 1 + i % 12;
        bill.day = 1 + i % 28;
        bill.year = 2026 + i % 3;
        bill.payee = "Landlord";
        bill.occurrence = OccurrenceMonthly;
        document.AddBillDeposit(bill);
    }
    return document;
}

}  // namespace

int main(int argc, char** argv) {
    Driver driver;
    const int count = argc > 1 ? std::atoi(argv[1]) : 10'000;
    Program.document = ManyBills(count);
    Program.currentFile = "C:\\timing.pwf";
    SelectAccount(0);

    Clock::time_point start, shown, processed;
    driver.OnModal([&](ModalWindow& dialog) {
        RedrawWindow(dialog.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        shown = Clock::now();
        SelectListRow(GetDlgItem(dialog.Handle(), IDC_BILL_LIST), count / 2);
        driver.OnModalNext([&](ModalWindow& process) {
            start = Clock::now();  // the dialog is up: what follows the click is what counts
            process.Click(IDOK);
        });
        dialog.Click(IDC_PROCESS_BILL);
        RedrawWindow(dialog.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        processed = Clock::now();
        dialog.Click(IDCANCEL);
    });
    const Clock::time_point opening = Clock::now();
    driver.Command(IDM_BILLS_DEPOSITS);
    std::printf("Bills & Deposits with %d items: shown in %.0f ms; Process OK to the row rewritten in %.0f ms\n", count,
                Milliseconds(opening, shown), Milliseconds(start, processed));
    return 0;
}
