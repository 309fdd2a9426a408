#pragma once
// Helpers shared by the unit tests: a byte builder for laying out data files
// by hand, a scratch folder per test, whole-file reads and writes, and a
// document with known content.

#include <gtest/gtest.h>

#include <atomic>
#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <unistd.h>
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
    Bytes& Int32(std::int32_t value) {
        const auto bits = static_cast<std::uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8) data_.push_back(static_cast<unsigned char>(bits >> shift));
        return *this;
    }
    Bytes& Double(double value) {
        const auto bits = std::bit_cast<std::uint64_t>(value);
        for (int shift = 0; shift < 64; shift += 8) data_.push_back(static_cast<unsigned char>(bits >> shift));
        return *this;
    }
    // `text` then zeros up to `width` bytes; a text of exactly `width` bytes has no terminator.
    Bytes& Text(std::string_view text, std::size_t width) {
        EXPECT_LE(text.size(), width);
        Raw(text);
        return Zeros(width - text.size());
    }
    Bytes& Zeros(std::size_t count) {
        data_.insert(data_.end(), count, 0);
        return *this;
    }
    // "Pennywhist", version 1 and the three counts.
    Bytes& Header(std::int32_t categories, std::int32_t billDeposits, std::int32_t accounts) {
        return Raw("Pennywhist").Int32(1).Int32(categories).Int32(billDeposits).Int32(accounts);
    }

    const ByteVector& data() const { return data_; }
    std::size_t size() const { return data_.size(); }

private:
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

inline const std::vector<std::string>& DefaultCategoryNames() {
    static const std::vector<std::string> names = {
        "None",       "Bills",         "Groceries",  "Entertainment", "Dining Out",           "Household",
        "Automobile", "Cash Withdrawals", "Income",  "Personal Care", "Healthcare",           "Childcare",
        "Pet Care",   "Clothing",      "Education",  "Insurance",     "Rent",                 "Mortgage",
        "Gifts",      "Charitable Donations", "Vacation"};
    return names;
}

inline Transaction MakeTransaction(std::int32_t kind, double amount, std::int32_t month, std::int32_t day,
                                   std::int32_t year, std::int32_t category, std::int32_t number,
                                   std::string_view payee, std::string_view memo) {
    Transaction t;
    t.kind = kind;
    t.amount = amount;
    t.month = month;
    t.day = day;
    t.year = year;
    t.category = category;
    t.number = number;
    t.payee.Set(payee);
    t.memo.Set(memo);
    return t;
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

    BillDeposit rent;
    rent.kind = BillKind;
    rent.amount = 850.0;
    rent.month = 2;
    rent.day = 1;
    rent.year = 2026;
    rent.category = 3;
    rent.number = 101;
    rent.payee.Set("Landlord");
    rent.memo.Set("February");
    rent.occurrence = OccurrenceMonthly;
    rent.account = 0;
    document.AddBillDeposit(rent);

    Account bank = MakeAccount(AccountTypeBank, "Checking", "Main account");
    bank.accountNumber.Set("12-3456");
    bank.contactInfo.Set("First Bank, 555-0100");
    bank.AddTransaction(MakeTransaction(0, 1200.0, 1, 15, 2026, 0, 0, "Employer", "Pay"));
    bank.AddTransaction(MakeTransaction(1, 42.17, 1, 18, 2026, 2, 1001, "Market", ""));
    document.AddAccount(bank);

    Account card = MakeAccount(AccountTypeCredit, "Visa", "");
    card.accountNumber.Set("4111");
    card.contactInfo.Set("Card services");
    card.creditLimit = 2500.0;
    card.AddTransaction(MakeTransaction(1, 19.99, 1, 20, 2026, 1, 0, "Phone", "January"));
    document.AddAccount(card);

    Account cash = MakeAccount(AccountTypeCash, "Wallet", "Pocket money");
    cash.AddTransaction(MakeTransaction(0, 60.0, 1, 21, 2026, 0, 0, "ATM", ""));
    document.AddAccount(cash);
    return document;
}
