// Importing an account from a 1.1x account file (.pwa): the reader and the import.

#include "model/file/legacy_import.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <new>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "model/account_types.h"
#include "model/case_folding.h"
#include "model/file/data_stream.h"
#include "model/lists.h"
#include "model/messages.h"
#include "platform/platform_file.h"

namespace {

// The file's head, from the magic to the category count, and where its fields lie.
constexpr char kMagic[19] = "Pennywhist Account";  // with its zero byte
constexpr std::int32_t kVersion = 2;
constexpr std::size_t kHeadSize = 364;
constexpr std::size_t kVersionAt = 19, kNameAt = 23, kAccountTextAt = 54, kOpeningAmountAt = 336;
constexpr std::size_t kNameSize = 31, kLongTextSize = 251;

// A transaction record and its fields; the first record list has records of the same size.
constexpr std::size_t kRecordSize = 291;
constexpr std::size_t kKindAt = 0, kAmountAt = 4, kCategoryAt = 12, kTextAt = 16, kMonthAt = 267, kDayAt = 271,
                      kYearAt = 275;

template <typename Value>
Value ValueAt(const unsigned char* bytes, std::size_t offset) {
    Value value;
    std::memcpy(&value, bytes + offset, sizeof value);  // the host is little-endian, as the file
    return value;
}

// A text field of `size` bytes: up to its first zero byte, and at most 30 characters.
Text31 TextAt(const unsigned char* bytes, std::size_t offset, std::size_t size) {
    return Text31(std::string_view(reinterpret_cast<const char*>(bytes) + offset, size));
}

// Fills `account`, which is empty; false when the file is refused. Throws std::bad_alloc.
bool ReadInto(DataReader& in, LegacyAccount& account) {
    // The magic is compared as a zero-terminated text: the 19 bytes must be
    // the name and its zero, so a longer name is refused too.
    const unsigned char* head = in.Next(kHeadSize);
    if (head == nullptr || std::memcmp(head, kMagic, sizeof kMagic) != 0) return false;
    if (ValueAt<std::int32_t>(head, kVersionAt) != kVersion) return false;
    account.name = TextAt(head, kNameAt, kNameSize);
    account.comment = TextAt(head, kAccountTextAt, kLongTextSize);
    account.openingAmount = ValueAt<double>(head, kOpeningAmountAt);
    // An amount that is not a finite number would make every balance of the account "nan".
    if (!std::isfinite(account.openingAmount)) return false;

    std::int32_t count = 0;
    if (!in.ReadInt32(count) || !in.CanHold(count, kNameSize)) return false;
    account.categories.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        const unsigned char* name = in.Next(kNameSize);
        if (name == nullptr) return false;
        account.categories.push_back(TextAt(name, 0, kNameSize));
    }

    if (!in.ReadInt32(count) || !in.CanHold(count, kRecordSize)) return false;
    for (std::int32_t i = 0; i < count; ++i)
        if (in.Next(kRecordSize) == nullptr) return false;

    if (!in.ReadInt32(count) || !in.CanHold(count, kRecordSize)) return false;
    account.transactions.reserve(static_cast<std::size_t>(count));
    PrepareBulkMemory(account.transactions.data(), account.transactions.capacity() * sizeof(LegacyTransaction));
    for (std::int32_t i = 0; i < count; ++i) {
        const unsigned char* record = in.Next(kRecordSize);
        if (record == nullptr) return false;
        account.transactions.push_back({.kind = ValueAt<std::int32_t>(record, kKindAt),
                                        .amount = ValueAt<double>(record, kAmountAt),
                                        .category = ValueAt<std::int32_t>(record, kCategoryAt),
                                        .memo = TextAt(record, kTextAt, kLongTextSize),
                                        .month = ValueAt<std::int32_t>(record, kMonthAt),
                                        .day = ValueAt<std::int32_t>(record, kDayAt),
                                        .year = ValueAt<std::int32_t>(record, kYearAt)});
        if (!std::isfinite(account.transactions.back().amount)) return false;
    }
    return true;  // the bytes after the transactions are not read
}

// A count of steps as the progress takes it.
int Steps(std::size_t count) { return static_cast<int>(std::min<std::size_t>(count, INT_MAX)); }

}  // namespace

bool ReadLegacyAccount(DataReader& in, LegacyAccount& account) {
    LegacyAccount read;
    try {
        if (!ReadInto(in, read)) return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
    account = std::move(read);
    return true;
}

bool ReadLegacyAccount(const std::string& path, LegacyAccount& account) {
    InputFile file(path);
    if (!file.IsOpen()) return false;
    try {
        DataReader in(file);
        return ReadLegacyAccount(in, account);
    } catch (const std::bad_alloc&) {
        return false;  // no memory for the read buffer
    }
}

std::string ImportedAccountName(const Document& document, std::string_view legacyName) {
    const std::string name(Text31(legacyName).view());
    // Folded once, so that a file of many accounts is looked through once.
    std::unordered_set<std::string> taken;
    for (const Account& account : document.accounts) taken.insert(FoldCase(account.name.view()));
    taken.emplace();  // the new account's own name, still empty
    if (!taken.contains(FoldCase(name))) return name;
    // Each suffix differs and is kept whole, so this ends once past the names taken.
    for (std::size_t n = 1;; ++n) {
        const std::string suffix = n == 1 ? "(import)" : "(import " + std::to_string(n) + ")";
        const std::string candidate =
            name.empty() ? suffix : name.substr(0, Text31::kCapacity - 1 - suffix.size()) + " " + suffix;
        if (!taken.contains(FoldCase(candidate))) return candidate;
    }
}

int ImportSteps(const LegacyAccount& legacy) {
    return Steps(legacy.categories.size() + legacy.transactions.size());
}

RuleOutcome ImportLegacyAccount(Document& document, const LegacyAccount& legacy, std::int32_t type, const Date& today,
                                const std::function<void(int)>& progress) {
    // Everything is built here; the document changes only once all of it is.
    std::size_t done = 0;
    const auto stepDone = [&] {
        if (progress) progress(Steps(++done));
    };

    Account account;
    account.type = type;
    account.comment = legacy.comment;
    try {
        account.name.Set(ImportedAccountName(document, legacy.name.view()));
    } catch (const std::bad_alloc&) {
        return Failed(kErrorAddingAccount);
    }

    try {
        account.transactions.reserve(legacy.transactions.size() + 1);
    } catch (const std::bad_alloc&) {
        return Failed(kErrorAddingTransaction);
    }
    PrepareBulkMemory(account.transactions.data(), account.transactions.capacity() * sizeof(Transaction));
    const std::optional<Transaction> opening =
        EntryForDifference(legacy.openingAmount, today, TypeInfo(type).openingMemo);
    if (opening && !account.AddTransaction(*opening)) return Failed(kErrorAddingTransaction);

    // The merged list, and where each of the file's categories lies in it
    // (0 when nowhere). Names are looked up folded, so that a file with many
    // categories takes linear time; only the first position of a name counts.
    std::vector<Text31> categories;
    std::vector<std::int32_t> positions;
    try {
        categories = document.categories;
        if (categories.empty()) categories.push_back("None");  // position 0 means no category
        std::unordered_map<std::string, std::int32_t> firstPosition;
        for (std::size_t k = 0; k < categories.size(); ++k)
            firstPosition.emplace(FoldCase(categories[k].view()), static_cast<std::int32_t>(k));
        const std::string noneMiscellaneous = FoldCase("none/miscellaneous");
        positions.reserve(legacy.categories.size());
        for (const Text31& name : legacy.categories) {
            std::string folded = FoldCase(name.view());
            const auto found = firstPosition.find(folded);
            if (found != firstPosition.end()) {
                positions.push_back(found->second);
            } else if (folded == noneMiscellaneous) {
                positions.push_back(0);
            } else {
                const auto position = static_cast<std::int32_t>(categories.size());
                if (!AppendToList(categories, name)) return Failed(kErrorAddingCategory);
                firstPosition.emplace(std::move(folded), position);
                positions.push_back(position);
            }
            stepDone();
        }
    } catch (const std::bad_alloc&) {
        return Failed(kErrorAddingCategory);
    }

    for (const LegacyTransaction& t : legacy.transactions) {
        Transaction entry;
        entry.kind = t.kind;
        entry.amount = t.amount;
        entry.month = t.month;
        entry.day = t.day;
        entry.year = t.year;
        const bool listed = PositionInList(t.category, positions.size()) >= 0;
        entry.category = listed ? positions[static_cast<std::size_t>(t.category)] : 0;
        entry.memo = t.memo;
        if (!account.AddTransaction(entry)) return Failed(kErrorAddingTransaction);
        stepDone();
    }

    if (!document.AddAccount(std::move(account))) return Failed(kErrorAddingAccount);
    document.categories.swap(categories);
    return Accepted();
}
