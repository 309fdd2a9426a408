#pragma once
// The document the benchmarks and the Wine timings work on, so that their
// figures compare: one Bank account "Checking" with `count` transactions, a
// few categories and bills.

#include <cstdint>
#include <iterator>
#include <string_view>
#include <utility>

#include "model/document.h"

inline constexpr char kSampleAccountName[] = "Checking";

inline Document MakeDocument(std::int32_t count) {
    static constexpr std::string_view kCategories[] = {"None",       "Bills", "Groceries", "Dining Out",
                                                       "Automobile", "Income", "Rent",     "Healthcare"};
    static constexpr std::string_view kPayees[] = {"Fresh Market", "Acme Manufacturing", "City Power & Light",
                                                   "Shell", "Parkview Apartments", "Corner Coffee"};
    static constexpr std::string_view kMemos[] = {"Weekly groceries", "Paycheck", "Electric bill", "Gas",
                                                  "Rent", "Latte", ""};
    Document document;
    for (std::string_view name : kCategories) document.AddCategory(name);
    for (std::int32_t i = 0; i < 5; ++i)
        document.AddBillDeposit(BillDeposit{.kind = i % 2, .amount = 25.0 * (i + 1), .month = 12, .day = 1 + i,
                                            .year = 2026, .category = i + 1, .payee = kPayees[i],
                                            .memo = kMemos[i], .occurrence = i, .account = 0});
    Account account;
    account.name = Text31(kSampleAccountName);
    account.comment = Text31("Everyday account");
    account.accountNumber = Text31("2290-4471-08");
    account.contactInfo = Text101("Riverside Community Bank\r\n(555) 010-2200");
    // Reserved exactly: a single large block that goes back to the system when freed.
    account.transactions.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i)
        account.AddTransaction(Transaction{
            .amount = static_cast<double>(1 + (std::int64_t{i} * 7919) % 250000) / 100.0,
            .kind = i % 4 == 1 ? 0 : 1,
            .month = 1 + i % 12,
            .day = 1 + i % 28,
            .year = 2000 + (i / 336) % 27,
            .category = static_cast<std::int32_t>(static_cast<std::size_t>(i) % std::size(kCategories)),
            .number = i % 3 == 0 ? 100 + i / 3 : 0,
            .payee = kPayees[static_cast<std::size_t>(i) % std::size(kPayees)],
            .memo = kMemos[static_cast<std::size_t>(i) % std::size(kMemos)]});
    document.AddAccount(std::move(account));
    return document;
}
