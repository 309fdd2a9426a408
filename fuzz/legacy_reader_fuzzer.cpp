// libFuzzer target for the 1.1x account reader: ReadLegacyAccount over the
// input bytes, which is all of the file reader after the file is opened,
// and the import of what it accepts.
//
// Besides crashes and sanitizer reports it checks what the two promise:
// - a refused input leaves the account as it was;
// - an accepted input imports into a small document, which then has one
//   account more, its earlier accounts and categories as they were, every
//   imported category position inside the list, and as many progress steps
//   as ImportSteps says.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "model/file/data_stream.h"
#include "model/document.h"
#include "model/file/legacy_import.h"

namespace {

void Check(bool condition, const char* broken) {
    if (condition) return;
    std::fprintf(stderr, "legacy_reader_fuzzer: %s\n", broken);
    std::abort();  // libFuzzer reports it as a crash and keeps the input
}

// Something in every list, so a refused read that clears or half-fills the
// account shows.
LegacyAccount Sentinel() {
    return {.name = "Sentinel", .comment = "kept", .openingAmount = 1.0, .categories = {"Kept"},
            .transactions = {{.kind = 1, .amount = 2.0, .category = 0, .memo = "kept", .month = 1, .day = 2,
                              .year = 2026}}};
}

// A document as the program makes them, with a name an import may meet.
Document SmallDocument() {
    Document document;
    for (const char* name : {"None", "Bills", "Groceries"}) document.AddCategory(name);
    document.AddAccount(Account{.name = "Checking"});
    return document;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const LegacyAccount kSentinel = Sentinel();
    static const Document kDocument = SmallDocument();
    LegacyAccount legacy = kSentinel;
    DataReader in(data, size);
    if (!ReadLegacyAccount(in, legacy)) {
        Check(legacy == kSentinel, "a refused file changed the account");
        return 0;
    }

    Document document = kDocument;
    std::vector<int> steps;
    const auto type = static_cast<std::int32_t>(size % 5);  // every account type, chosen by the input
    const RuleOutcome outcome =
        ImportLegacyAccount(document, legacy, type, Date{2026, 3, 7}, [&](int done) { steps.push_back(done); });
    Check(outcome.message == nullptr && outcome.end == DialogEnd::Changed, "an accepted file does not import");
    Check(document.AccountCount() == kDocument.AccountCount() + 1, "the import did not add exactly one account");
    Check(document.accounts.front() == kDocument.accounts.front(), "the import changed an earlier account");
    Check(std::equal(kDocument.categories.begin(), kDocument.categories.end(), document.categories.begin()),
          "the import changed an earlier category");
    for (const Transaction& t : document.accounts.back().transactions)
        Check(document.FindCategory(t.category) != nullptr, "an imported transaction has no category");
    const int stepCount = ImportSteps(legacy);
    Check(static_cast<int>(steps.size()) == stepCount && (steps.empty() || steps.back() == stepCount),
          "the progress steps do not add up");
    return 0;
}
