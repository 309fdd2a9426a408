#pragma once
// Helpers shared by the unit tests: a byte builder for laying out data files
// by hand, a scratch folder per test, whole-file reads and writes, and a
// document with known content.

#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"

using ByteVector = std::vector<unsigned char>;

// Little-endian bytes built value by value, independent of how the program writes them.
class Bytes {
public:
    Bytes& Raw(std::string_view text) {
        data_.insert(data_.end(), text.begin(), text.end());
        return *this;
    }
    Bytes& Int32(std::int32_t value) { return Little(static_cast<std::uint32_t>(value), 4); }
    Bytes& Double(double value) { return Little(std::bit_cast<std::uint64_t>(value), 8); }
    // `text` then zeros up to `width` bytes; a text of exactly `width` bytes has no terminator.
    Bytes& Text(std::string_view text, std::size_t width) {
        EXPECT_LE(text.size(), width);
        return Raw(text).Zeros(width - text.size());
    }
    Bytes& Zeros(std::size_t count) {
        data_.insert(data_.end(), count, 0);
        return *this;
    }
    // "Pennywhist", version 1 and the three counts.
    Bytes& Header(std::int32_t categories, std::int32_t billDeposits, std::int32_t accounts) {
        return Raw("Pennywhist").Int32(1).Int32(categories).Int32(billDeposits).Int32(accounts);
    }
    // One 94-byte transaction record.
    Bytes& Record(const Transaction& t) {
        Int32(t.kind).Double(t.amount).Int32(t.month).Int32(t.day).Int32(t.year).Int32(t.category).Int32(t.number);
        return Text(t.payee.view(), 31).Text(t.memo.view(), 31);
    }

    const ByteVector& data() const { return data_; }
    std::size_t size() const { return data_.size(); }

private:
    Bytes& Little(std::uint64_t bits, int count) {
        for (int i = 0; i < count; ++i) data_.push_back(static_cast<unsigned char>(bits >> (8 * i)));
        return *this;
    }

    ByteVector data_;
};

// A folder of its own for one test, removed with everything in it afterwards.
class ScratchDir {
public:
    ScratchDir() {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("pennywhist_unit_" + std::to_string(getpid()) + "_" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline ByteVector ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return ByteVector(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const ByteVector& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

inline Account MakeAccount(std::int32_t type, std::string_view name, std::string_view comment) {
    Account account;
    account.type = type;
    account.name.Set(name);
    account.comment.Set(comment);
    return account;
}

// Known content in every list, with fields that only hold what the file keeps,
// so that it survives a save and load unchanged.
inline Document MakeSampleDocument() {
    Document document;
    document.password.Set("s3cret");
    for (const char* name : {"None", "Bills", "Groceries", "Rent"}) document.AddCategory(Text31(name));
    document.AddBillDeposit({BillKind, 850.0, 2, 1, 2026, 3, 101, "Landlord", "February", OccurrenceMonthly, 0});

    Account bank = MakeAccount(AccountTypeBank, "Checking", "Main account");
    bank.accountNumber.Set("12-3456");
    bank.contactInfo.Set("First Bank, 555-0100");
    bank.AddTransaction({0, 1200.0, 1, 15, 2026, 0, 0, "Employer", "Pay"});
    bank.AddTransaction({1, 42.17, 1, 18, 2026, 2, 1001, "Market", ""});
    document.AddAccount(bank);

    Account card = MakeAccount(AccountTypeCredit, "Visa", "");
    card.accountNumber.Set("4111");
    card.contactInfo.Set("Card services");
    card.creditLimit = 2500.0;
    card.AddTransaction({1, 19.99, 1, 20, 2026, 1, 0, "Phone", "January"});
    document.AddAccount(card);

    Account cash = MakeAccount(AccountTypeCash, "Wallet", "Pocket money");
    cash.AddTransaction({0, 60.0, 1, 21, 2026, 0, 0, "ATM", ""});
    document.AddAccount(cash);
    return document;
}
