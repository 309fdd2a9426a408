// How long the main window takes, with an account of many transactions
// (1,000,000 unless the command line gives a number), for what a user does
// in the list: show the account in each date order, click the Date header
// through its cycle, Find Next over the whole account, and delete, edit and
// add one transaction. Each figure runs from the last click to the list
// repainted; a dialog's figure starts at its OK (or Yes) button.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "driver.h"
#include "model/program_values.h"
#include "model/tables/transaction_rows.h"
#include "resources/resource.h"
#include "sample_document.h"
#include "shell/program.h"
#include "views/transaction_list.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Repaint() {
    UpdateWindow(App.frame);
    RedrawWindow(App.transactionList, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void ClickDateHeader() {
    NMLISTVIEW notice{};
    notice.hdr = {App.transactionList, UINT_PTR(GetDlgCtrlID(App.transactionList)), UINT(LVN_COLUMNCLICK)};
    notice.iItem = -1;
    notice.iSubItem = ColumnDate;
    SendMessageA(App.frame, WM_NOTIFY, notice.hdr.idFrom, reinterpret_cast<LPARAM>(&notice));
}

int SelectedRow() { return ListView_GetNextItem(App.transactionList, -1, LVNI_SELECTED); }

const char* SortName(int sortDate) {
    return sortDate == kSortAscending ? "ascending" : sortDate == kSortDescending ? "descending" : "unsorted";
}

// Runs `command`, whose dialog `act` fills; the time from the moment `act`
// starts its clock until the list is repainted.
template <typename Act>
double TimeDialog(Driver& driver, int command, Act act) {
    Clock::time_point start{};
    driver.OnModal([&](ModalWindow& dialog) { act(dialog, start); });
    driver.Command(command);
    Repaint();
    return Since(start);
}

}  // namespace

int main(int argc, char** argv) {
    Driver driver;
    const int count = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
    Program.document = MakeDocument(count);
    // The one transaction Find Next has to reach the end of the account for.
    Program.document.GetAccount(0).transactions.back().memo = "needle";
    Program.currentFile = "C:\\timing.pwf";
    std::printf("%d transactions; ms from the click to the list repainted\n", count);

    for (int sortDate : {kSortUnsorted, kSortAscending, kSortDescending}) {
        Program.SortDate = sortDate;
        SelectAccount(-1);
        const auto start = Clock::now();
        SelectAccount(0);
        Repaint();
        std::printf("show the account, %-10s %6.0f\n", SortName(sortDate), Since(start));
    }

    for (int step = 0; step < 3; ++step) {
        const auto start = Clock::now();
        ClickDateHeader();
        Repaint();
        std::printf("Date header -> %-15s %6.0f\n", SortName(Program.SortDate), Since(start));
    }

    for (int sortDate : {kSortUnsorted, kSortAscending}) {
        while (Program.SortDate != sortDate) ClickDateHeader();
        Repaint();
        const int needleRow = sortDate == kSortUnsorted ? count - 1 : -1;
        SelectListRow(App.transactionList, 0);
        // Timed inside the dialog: Find Next leaves it open.
        double find = 0;
        driver.OnModal([&](ModalWindow& dialog) {
            dialog.SetText(IDC_FIND_TEXT, "needle");
            dialog.Choose(IDC_FIND_DOWN);
            const auto start = Clock::now();
            dialog.Click(IDOK);
            Repaint();
            find = Since(start);
            if (needleRow >= 0 && SelectedRow() != needleRow) std::printf("  (Find Next missed the row)\n");
            dialog.Click(IDCANCEL);
        });
        driver.Command(IDM_FIND_TRANSACTION);
        std::printf("Find Next, %-10s       %6.0f\n", SortName(sortDate), find);

        SelectListRow(App.transactionList, count / 2);
        const double remove = TimeDialog(driver, IDM_DELETE_TRANSACTION, [](ModalWindow& box, Clock::time_point& start) {
            start = Clock::now();
            box.Click(IDYES);
        });
        std::printf("delete one, %-10s      %6.0f\n", SortName(sortDate), remove);

        SelectListRow(App.transactionList, count / 3);
        const double edit = TimeDialog(driver, IDM_EDIT_TRANSACTION, [](ModalWindow& dialog, Clock::time_point& start) {
            dialog.SetText(IDC_TRANSACTION_AMOUNT, "12.34");
            start = Clock::now();
            dialog.Click(IDOK);
        });
        std::printf("edit one, %-10s        %6.0f\n", SortName(sortDate), edit);

        const double add = TimeDialog(driver, IDM_NEW_TRANSACTION, [](ModalWindow& dialog, Clock::time_point& start) {
            dialog.SetText(IDC_TRANSACTION_AMOUNT, "5.00");
            dialog.SetText(IDC_TRANSACTION_PAYEE, "Corner Coffee");
            start = Clock::now();
            dialog.Click(IDOK);
        });
        std::printf("new transaction, %-10s %6.0f\n", SortName(sortDate), add);
    }
    return 0;
}
