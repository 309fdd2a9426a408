// How long the Import Statement dialog takes under Wine with an account of a
// million transactions (or the number the command line gives) and an OFX
// statement of 10,000 lines, half of them already in the account: from the
// file chosen to the preview painted (the file read, every line matched),
// and from Import to the main window's list repainted with the new lines.
// It runs twice: the first opening of the dialog also loads what every later
// one finds ready; the second statement is another 10,000 lines.

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "driver.h"
#include "resources/resource.h"
#include "sample_document.h"
#include "app/commands.h"
#include "app/current_account.h"
#include "shell/program.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }

// Every 14th transaction from the end, every other one with `more` cents more (new).
std::string OfxOver(const Account& account, int lines, int more, const char* idPrefix) {
    std::string ofx = "OFXHEADER:100\nDATA:OFXSGML\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><BANKTRANLIST>\n";
    char line[256];
    for (int i = 0; i < lines; ++i) {
        const Transaction& t = account.transactions[account.transactions.size() - 1 - static_cast<std::size_t>(i) * 14];
        const long long cents = static_cast<long long>(t.amount * 100 + 0.5) + (i % 2) * more;
        std::snprintf(line, sizeof line, "<STMTTRN><DTPOSTED>%04d%02d%02d<TRNAMT>%s%lld.%02lld<FITID>%s%d<NAME>%s\n",
                      t.year, t.month, t.day, AddsToBalance(t.kind) ? "" : "-", cents / 100, cents % 100, idPrefix,
                      i, t.payee.c_str());
        ofx += line;
    }
    return ofx + "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";
}

}  // namespace

int main(int argc, char** argv) {
    Driver driver;
    const int count = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
    Program.document = MakeDocument(count);
    Program.currentFile = "C:\\timing.pwf";
    SelectAccount(0);
    for (int run = 1; run <= 2; ++run) {
        const std::string path = TestFolder() + "\\statement" + std::to_string(run) + ".ofx";
        std::ofstream(path, std::ios::binary) << OfxOver(Program.document.GetAccount(0), 10'000, run, run == 1 ? "A" : "B");
        Clock::time_point start;
        double shown = 0, imported = 0;
        driver.OnModal([&](ModalWindow& preview) {
            RedrawWindow(preview.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            shown = Since(start);
            start = Clock::now();
            driver.Click(preview, IDOK, {[&](ModalWindow& done) {
                RedrawWindow(App.frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
                imported = Since(start);
                done.Click(IDOK);
            }});
        });
        start = Clock::now();
        ImportStatementFile(path);
        std::printf("run %d, %d transactions, 10000 statement lines: preview shown %.0f ms, import to the list "
                    "repainted %.0f ms (%d transactions now)\n",
                    run, count, shown, imported, Program.document.GetAccount(0).TransactionCount());
    }
    return 0;
}
