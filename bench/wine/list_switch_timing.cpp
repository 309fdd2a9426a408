// How long the main window takes to show the first screen of an account of
// many transactions (1,000,000 unless the command line gives a number), in
// each date order: SelectAccount (totals, order, item count) and the paint
// that asks the list for its visible rows.

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "driver.h"
#include "shell/program.h"
#include "views/transaction_list.h"

namespace {

Document ManyTransactions(int count) {
    Document document;
    document.AddCategory("None");
    document.AddCategory("Groceries");
    Account account;
    account.name = "Checking";
    account.transactions.reserve(count);
    for (int i = 0; i < count; ++i) {
        Transaction t;
        t.kind = i % 4 == 1 ? 0 : 1;
        t.amount = 1 + (i % 250000) / 100.0;
        t.month = 1 + i % 12;
        t.day = 1 + i % 28;
        t.year = 2000 + (i / 336) % 27;
        t.category = i % 2;
        t.number = i;
        t.payee = "Corner Market";
        account.AddTransaction(t);
    }
    document.AddAccount(std::move(account));
    return document;
}

}  // namespace

int main(int argc, char** argv) {
    Driver driver;
    const int count = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
    Program.document = ManyTransactions(count);
    Program.currentFile = "C:\\timing.pwf";
    for (int sortDate : {2, 0, 1}) {
        Program.SortDate = sortDate;
        SelectAccount(-1);
        const auto start = std::chrono::steady_clock::now();
        SelectAccount(0);
        UpdateWindow(App.frame);
        RedrawWindow(App.transactionList, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const auto shown = std::chrono::steady_clock::now();
        std::printf("SortDate %d: first screen of %d rows in %.0f ms\n", sortDate, count,
                    std::chrono::duration<double, std::milli>(shown - start).count());
    }
    return 0;
}
