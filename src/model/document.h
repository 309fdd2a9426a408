#pragma once
// The one in-memory document: password, categories, bills/deposits, accounts.
// Records are addressed by their zero-based position in insertion order.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/account.h"
#include "model/file/file_protection.h"
#include "model/records.h"

class DataReader;
struct DatedCopyRequest;

// Save writes the new file beside the old one first, under the old one's path
// followed by this: a path can be saved to only when that name fits too.
inline constexpr std::string_view kSaveTemporarySuffix = ".saving";

// What a load that succeeded has to tell the user.
struct LoadNotes {
    // The file's extension block was damaged: the document has no bank ids,
    // and the next save writes none.
    bool extensionUnreadable = false;
    // Load met an encrypted file, which only a password opens (encrypted_file.h).
    bool encrypted = false;
};

struct Document {
    Text31 password;  // plain text; empty means no password
    FileProtection protection;  // how the file is saved: plain unless the user chose encryption
    std::vector<Text31> categories;  // position 0 is "None" in files the program makes
    std::vector<BillDeposit> billDeposits;
    std::vector<Account> accounts;

    std::int32_t CategoryCount() const { return static_cast<std::int32_t>(categories.size()); }
    std::int32_t BillDepositCount() const { return static_cast<std::int32_t>(billDeposits.size()); }
    std::int32_t AccountCount() const { return static_cast<std::int32_t>(accounts.size()); }

    // Appends at the tail; false (list unchanged) when no memory is left or the
    // count would overflow. The new entry is at position count - 1.
    bool AddCategory(const Text31& name);
    bool AddBillDeposit(const BillDeposit& billDeposit);
    bool AddAccount(Account account);

    // Plain list removals: 0 <= position < count. References elsewhere are not
    // touched; DeleteCategory and DeleteAccount keep them right.
    void RemoveCategory(std::int32_t position);
    void RemoveBillDeposit(std::int32_t position);
    void RemoveAccount(std::int32_t position);

    Text31& GetCategory(std::int32_t position);
    const Text31& GetCategory(std::int32_t position) const;
    BillDeposit& GetBillDeposit(std::int32_t position);
    const BillDeposit& GetBillDeposit(std::int32_t position) const;
    Account& GetAccount(std::int32_t position);
    const Account& GetAccount(std::int32_t position) const;

    // The record at `position`, or nullptr for a position outside its list
    // (files and program-wide indexes may carry any number).
    const Text31* FindCategory(std::int32_t position) const;
    Account* FindAccount(std::int32_t position);
    const Account* FindAccount(std::int32_t position) const;
    BillDeposit* FindBillDeposit(std::int32_t position);

    void ClearCategories() { categories.clear(); }
    void ClearBillDeposits() { billDeposits.clear(); }
    void ClearAccounts() { accounts.clear(); }
    // Empty password and no categories, bills/deposits or accounts.
    void Clear();

    // Removes category k (0 <= k < count) and keeps every reference on its
    // entry: transactions of all accounts and bills/deposits that used k get
    // category 0, those above k move down by one. Returns the references that
    // used k, so that the deletion can be undone. Throws std::bad_alloc
    // before it changes anything.
    struct CategoryUses {
        std::vector<std::vector<std::int32_t>> transactions;  // per account, the positions
        std::vector<std::int32_t> billDeposits;               // the positions
    };
    CategoryUses DeleteCategory(std::int32_t k);

    // Removes account k (0 <= k < count) with the bills/deposits that target
    // it; references above k move down by one. currentAccountIndex follows the
    // same rule and becomes -1 when it was k. Returns what went: the account,
    // moved out, and the bills/deposits with their positions. Throws
    // std::bad_alloc before it changes anything.
    struct RemovedAccount {
        Account account;
        std::vector<std::pair<std::int32_t, BillDeposit>> billDeposits;
    };
    RemovedAccount DeleteAccount(std::int32_t k, std::int32_t& currentAccountIndex);

    // Writes the whole document to `path` through a temporary file in the same
    // folder (`path` and kSaveTemporarySuffix) that then replaces the old file
    // in one step. False on any error (folder missing, read-only file, disk
    // full); the old file is then as it was. With `copy`, the old file is
    // kept as a dated copy (dated_copies.h). An encrypted document is written
    // encrypted (encrypted_file.h).
    bool Save(const std::string& path, const DatedCopyRequest* copy = nullptr) const;

    // Replaces the document with the file's contents. False, with the document
    // unchanged, when the file cannot be opened or read to its end (a drive
    // that goes away part way), is not a version 1 data file, is short,
    // over-long or inconsistent, holds an amount or credit limit that is not
    // a finite number, or memory runs out. Bytes after the file's records are
    // refused unless they are its extension block (data_file_extension.h),
    // whose damage `notes` reports instead. An encrypted file is refused
    // too, with `notes` saying so: only its password opens it.
    bool Load(const std::string& path, LoadNotes* notes = nullptr);

    // The loader over any stream; same contract as Load.
    bool Read(DataReader& in, LoadNotes* notes = nullptr);

    friend bool operator==(const Document&, const Document&) = default;
};
