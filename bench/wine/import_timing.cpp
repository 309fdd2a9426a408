// How long the Import dialog takes under Wine to bring in a 1.1x account of
// many transactions (100,000 unless the command line gives a number): from
// the click on "Import" to the question that ends it, progress bar included.

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "driver.h"
#include "resources/resource.h"
#include "shell/program.h"

namespace {

void Append(std::string& bytes, const void* value, std::size_t size) {
    bytes.append(static_cast<const char*>(value), size);
}

// A 1.1x account file: a header, one category name and `count` records.
std::string LegacyFile(int count) {
    std::string bytes("Pennywhist Account\0", 19);
    const std::int32_t version = 2;
    Append(bytes, &version, 4);
    bytes.append(31 + 251 + 31, '\0');
    const double opening = 100.0;
    Append(bytes, &opening, 8);
    bytes.append(8 + 4 + 8, '\0');
    const std::int32_t counts[] = {1, 0, count};
    Append(bytes, &counts[0], 4);
    bytes += std::string("Groceries").append(22, '\0');
    Append(bytes, &counts[1], 4);
    Append(bytes, &counts[2], 4);
    std::string record(291, '\0');
    const double amount = 12.5;
    std::memcpy(record.data() + 4, &amount, 8);
    record.replace(16, 6, "Market");
    const std::int32_t date[] = {5, 17, 2025};
    std::memcpy(record.data() + 267, date, sizeof date);
    for (int i = 0; i < count; ++i) bytes += record;
    const std::string path = TestFolder() + "\\timing.pwa";
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

}  // namespace

int main(int argc, char** argv) {
    using Clock = std::chrono::steady_clock;
    Driver driver;
    const int count = argc > 1 ? std::atoi(argv[1]) : 100'000;
    const std::string path = LegacyFile(count);
    Program.document.AddCategory("None");
    Program.currentFile = "C:\\timing.pwf";

    Clock::time_point start;
    double imported = 0;
    driver.OnModal([&](ModalWindow& dialog) {
        dialog.SetText(IDC_IMPORT_FILE, path.c_str());
        driver.OnModalNext([&](ModalWindow& question) {
            imported = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            question.Click(IDNO);
        });
        start = Clock::now();
        dialog.Click(IDOK);
    });
    driver.Command(IDM_IMPORT);
    std::printf("Import of %d transactions: %.0f ms to the closing question (%d transactions in the account)\n", count,
                imported, Program.document.AccountCount() > 0 ? Program.document.GetAccount(0).TransactionCount() : 0);
    return 0;
}
