#pragma once

#include <gtest/gtest.h>

#include <stdlib.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/document.h"
#include "model/rule_outcome.h"
#include "resources/resource.h"

using ByteVector = std::vector<unsigned char>;

// Little-endian bytes built value by value, independent of how the program writes them.
struct Bytes {
    ByteVector data;

    Bytes& Int32(std::int32_t value) { return Little(static_cast<std::uint32_t>(value), 4); }
    Bytes& Double(double value) { return Little(std::bit_cast<std::uint64_t>(value), 8); }
    // `text` then zeros up to `width` bytes; a text of exactly `width` bytes has no terminator.
    Bytes& Text(std::string_view text, std::size_t width) {
        EXPECT_LE(text.size(), width);
        data.insert(data.end(), text.begin(), text.end());
        return Zeros(width - text.size());
    }
    Bytes& Zeros(std::size_t count) {
        data.insert(data.end(), count, 0);
        return *this;
    }
    // "Pennywhist", version 1 and the three counts.
    Bytes& Header(std::int32_t categories, std::int32_t billDeposits, std::int32_t accounts) {
        return Text("Pennywhist", 10).Int32(1).Int32(categories).Int32(billDeposits).Int32(accounts);
    }
    // One 94-byte transaction record.
    Bytes& Record(const Transaction& t) {
        Int32(t.kind).Double(t.amount).Int32(t.month).Int32(t.day).Int32(t.year).Int32(t.category).Int32(t.number);
        return Text(t.payee.view(), 31).Text(t.memo.view(), 31);
    }
    Bytes& Little(std::uint64_t bits, int count) {
        for (int i = 0; i < count; ++i) data.push_back(static_cast<unsigned char>(bits >> (8 * i)));
        return *this;
    }
};

// A folder of its own for one test, removed with everything in it afterwards.
struct ScratchDir {
    std::string path = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "pennywhist_unit_XXXXXX").string();
        EXPECT_NE(mkdtemp(pattern.data()), nullptr);
        return pattern;
    }();
    ~ScratchDir() {
        std::error_code ignored;  // a destructor must not throw
        std::filesystem::remove_all(path, ignored);
    }
    std::string File(const std::string& name) const { return path + "/" + name; }
};

inline ByteVector ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return ByteVector(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// `bytes` with `value` over those at `offset`; the host is little-endian, as the files.
template <typename Value>
ByteVector With(ByteVector bytes, std::size_t offset, Value value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
    return bytes;
}

inline void WriteBytes(const std::string& path, const ByteVector& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

// Known content in every list, with fields that only hold what the file keeps,
// so that it survives a save and load unchanged.
inline Document MakeSampleDocument() {
    Document document;
    document.password = "s3cret";
    for (const char* name : {"None", "Bills", "Groceries", "Rent"}) document.AddCategory(name);
    document.AddBillDeposit({BillKind, 850.0, 2, 1, 2026, 3, 101, "Landlord", "February", OccurrenceMonthly, 0});
    document.AddAccount({.type = AccountTypeBank, .name = "Checking", .comment = "Main account",
                         .accountNumber = "12-3456", .contactInfo = "First Bank, 555-0100",
                         .transactions = {{1200.0, 0, 1, 15, 2026, 0, 0, "Employer", "Pay"},
                                          {42.17, 1, 1, 18, 2026, 2, 1001, "Market", ""}}});
    document.AddAccount({.type = AccountTypeCredit, .name = "Visa", .accountNumber = "4111",
                         .contactInfo = "Card services", .creditLimit = 2500.0,
                         .transactions = {{19.99, 1, 1, 20, 2026, 1, 0, "Phone", "January"}}});
    document.AddAccount({.type = AccountTypeCash, .name = "Wallet", .comment = "Pocket money",
                         .transactions = {{60.0, 0, 1, 21, 2026, 0, 0, "ATM", ""}}});
    return document;
}

// Outcomes compare field by field and print with their message's text.
inline bool operator==(const RuleOutcome& a, const RuleOutcome& b) {
    return a.message == b.message && a.end == b.end && a.focus == b.focus && a.emptiesFocus == b.emptiesFocus;
}
inline void PrintTo(const RuleOutcome& o, std::ostream* out) {
    *out << '{' << (o.message != nullptr ? o.message->text : "no message") << ", end " << static_cast<int>(o.end)
         << ", focus " << o.focus << (o.emptiesFocus ? ", emptied}" : "}");
}

// Expected outcomes, spelled out here rather than made by the core's helpers.
inline RuleOutcome StaysOpen(const Message* message, int box = 0, bool emptied = false) {
    return {message, DialogEnd::StaysOpen, box, emptied};
}
inline RuleOutcome Ends(DialogEnd end, const Message* message = nullptr) { return {message, end, 0, false}; }
