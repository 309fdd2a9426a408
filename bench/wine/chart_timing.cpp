// How long the Charts dialog takes under Wine on an account of a million
// transactions (or the number the command line gives) over the 27 years they
// span: from the choice of a chart to the chart drawn, each chart in turn.

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "driver.h"
#include "model/charts/chart_figures.h"
#include "resources/resource.h"
#include "sample_document.h"
#include "shell/program.h"
#include "views/transaction_list.h"

int main(int argc, char** argv) {
    using Clock = std::chrono::steady_clock;
    Driver driver;
    const int count = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
    Program.document = MakeDocument(count);
    Program.currentFile = "C:\\timing.pwf";
    SelectAccount(0);

    driver.OnModal([&](ModalWindow& dialog) {
        dialog.SetDate(IDC_CHART_FROM, 2000, 1, 1);
        dialog.SetDate(IDC_CHART_TO, 2026, 12, 31);
        dialog.Pick(IDC_CHART_PERIOD, static_cast<int>(ChartPeriod::TwoDates));
        for (int kind = 3; kind >= 0; --kind) {
            const Clock::time_point start = Clock::now();
            dialog.Pick(IDC_CHART_KIND, kind);
            RedrawWindow(dialog.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            const double drawn = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            std::printf("%s of %d transactions: figures added up and drawn in %.0f ms\n", kChartNames[kind], count,
                        drawn);
        }
        const Clock::time_point start = Clock::now();
        RedrawWindow(GetDlgItem(dialog.Handle(), IDC_CHART_AREA), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_UPDATENOW);
        std::printf("A paint of the same chart: %.1f ms\n",
                    std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        dialog.Click(IDCANCEL);
    });
    driver.Command(IDM_CHARTS);
    return 0;
}
