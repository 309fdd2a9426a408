// The .pwf data file: header, categories, bills/deposits, accounts, password.
// Amounts and credit limits that are not finite numbers are refused: the
// program never writes them, and every balance summed over one shows "nan".

#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>

#include "model/account_types.h"
#include "model/file/atomic_save.h"
#include "model/file/data_file.h"
#include "model/file/data_file_extension.h"
#include "model/file/data_file_layout.h"
#include "model/file/data_stream.h"
#include "model/file/encrypted_file.h"
#include "model/document.h"
#include "platform/platform_file.h"

namespace {

void WriteBillDeposit(DataWriter& out, const BillDeposit& b) {
    out.WriteInt32(b.occurrence);
    out.WriteInt32(b.account);
    unsigned char record[kTransactionRecordSize];
    PackTransactionFields(b, record);
    out.Write(record, sizeof record);
}

bool ReadBillDeposit(DataReader& in, BillDeposit& b) {
    if (!in.ReadInt32(b.occurrence) || !in.ReadInt32(b.account)) return false;
    const unsigned char* record = in.Next(kTransactionRecordSize);
    if (record == nullptr) return false;
    UnpackTransactionFields(record, b);
    return std::isfinite(b.amount);
}

// The head (its fields by type) and the transactions.
void WriteAccount(DataWriter& out, const Account& account) {
    out.WriteInt32(account.type);
    out.WriteText(account.name);
    out.WriteText(account.comment);
    if (HasAccountDetails(account.type)) {
        out.WriteText(account.accountNumber);
        out.WriteText(account.contactInfo);
    }
    if (HasCreditLimit(account.type)) out.WriteDouble(account.creditLimit);
    out.WriteInt32(account.TransactionCount());
    unsigned char record[kTransactionRecordSize];
    for (const Transaction& t : account.transactions) {
        PackTransactionFields(t, record);
        out.Write(record, sizeof record);
    }
}

// Fills an empty account; false when the stream ends early or a count is
// negative or larger than what is left. Throws std::bad_alloc.
bool ReadAccount(DataReader& in, Account& account) {
    if (!in.ReadInt32(account.type) || !in.ReadText(account.name) || !in.ReadText(account.comment)) return false;
    if (HasAccountDetails(account.type) && (!in.ReadText(account.accountNumber) || !in.ReadText(account.contactInfo)))
        return false;
    if (HasCreditLimit(account.type) && (!in.ReadDouble(account.creditLimit) || !std::isfinite(account.creditLimit)))
        return false;
    std::int32_t count = 0;
    if (!in.ReadInt32(count) || !in.CanHold(count, kTransactionRecordSize)) return false;
    std::vector<Transaction>& transactions = account.transactions;
    transactions.reserve(static_cast<std::size_t>(count));
    PrepareBulkMemory(transactions.data(), transactions.capacity() * sizeof(Transaction));
    // The second half's memory is made ready while the first half is read.
    const std::int32_t half = count / 2;
    PrefaultedBlock secondHalf(reinterpret_cast<unsigned char*>(transactions.data()) + half * sizeof(Transaction),
                               static_cast<std::size_t>(count - half) * sizeof(Transaction));
    for (std::int32_t i = 0; i < count; ++i) {
        if (i == half) secondHalf.Wait();
        const unsigned char* record = in.Next(kTransactionRecordSize);
        if (record == nullptr) return false;
        UnpackTransactionFields(record, transactions.emplace_back());
        if (!std::isfinite(transactions.back().amount)) return false;
    }
    return true;
}

}  // namespace

void WritePlainDataFile(DataWriter& out, const Document& document, bool withPassword) {
    out.Write(kDataFileMagic, kDataFileMagicSize);
    out.WriteInt32(kDataFileVersion);
    out.WriteInt32(document.CategoryCount());
    out.WriteInt32(document.BillDepositCount());
    out.WriteInt32(document.AccountCount());
    for (const Text31& name : document.categories) out.WriteText(name);
    for (const BillDeposit& b : document.billDeposits) WriteBillDeposit(out, b);
    for (const Account& account : document.accounts) WriteAccount(out, account);
    out.WriteText(withPassword ? document.password : Text31());
    if (NeedsExtensionBlock(document)) WriteExtensionBlock(out, document);
}

std::uint64_t PlainDataFileSize(const Document& document) {
    std::uint64_t size = kDataFileMagicSize + 4 * 4 + kCategoryRecordSize * document.categories.size() +
                         kBillDepositRecordSize * document.billDeposits.size() + sizeof(Text31::bytes);
    for (const Account& account : document.accounts)
        size += AccountHeadSize(account.type) + kTransactionRecordSize * account.transactions.size();
    return size;
}

std::uint64_t AccountHeadSize(std::int32_t type) {
    std::uint64_t size = kSmallestAccountHeadSize;
    if (HasAccountDetails(type)) size += 31 + 101;
    if (HasCreditLimit(type)) size += 8;
    return size;
}

bool Document::Save(const std::string& path, const DatedCopyRequest* copy) const {
    if (protection.encrypted)
        return SaveAtomically(path, [this](DataWriter& out) { if (!WriteEnvelope(out, *this)) out.Fail(); }, copy);
    return SaveAtomically(path, [this](DataWriter& out) { WritePlainDataFile(out, *this, true); }, copy);
}

bool Document::Load(const std::string& path, LoadNotes* notes) {
    InputFile file(path);
    if (!file.IsOpen()) return false;
    try {
        DataReader in(file);
        return Read(in, notes);
    } catch (const std::bad_alloc&) {
        return false;  // no memory for the read buffer
    }
}

bool Document::Read(DataReader& in, LoadNotes* notes) {
    char magic[kDataFileMagicSize];
    std::int32_t version = 0;
    if (!in.Read(magic, sizeof magic) || std::memcmp(magic, kDataFileMagic, kDataFileMagicSize) != 0) return false;
    if (!in.ReadInt32(version)) return false;
    if (version != kDataFileVersion) {
        if (version == kEncryptedFileVersion && notes != nullptr) notes->encrypted = true;
        return false;
    }

    std::int32_t categoryCount = 0, billDepositCount = 0, accountCount = 0;
    if (!in.ReadInt32(categoryCount) || !in.ReadInt32(billDepositCount) || !in.ReadInt32(accountCount)) return false;

    // Everything goes into a new document first, so a bad file changes nothing.
    Document loaded;
    try {
        if (!in.CanHold(categoryCount, kCategoryRecordSize)) return false;
        loaded.categories.resize(static_cast<std::size_t>(categoryCount));
        for (Text31& name : loaded.categories)
            if (!in.ReadText(name)) return false;

        if (!in.CanHold(billDepositCount, kBillDepositRecordSize)) return false;
        loaded.billDeposits.resize(static_cast<std::size_t>(billDepositCount));
        for (BillDeposit& b : loaded.billDeposits)
            if (!ReadBillDeposit(in, b)) return false;

        if (!in.CanHold(accountCount, kSmallestAccountHeadSize)) return false;
        loaded.accounts.resize(static_cast<std::size_t>(accountCount));
        for (Account& account : loaded.accounts)
            if (!ReadAccount(in, account)) return false;
    } catch (const std::bad_alloc&) {
        return false;
    }

    if (!in.ReadText(loaded.password)) return false;
    if (in.Remaining() != 0) {
        // Bytes after the trailer are refused unless they are the extension block;
        // a damaged block costs only what it holds.
        char magic[sizeof kExtensionMagic];
        if (!in.Read(magic, sizeof magic) || std::memcmp(magic, kExtensionMagic, sizeof magic) != 0) return false;
        const bool extensionRead = ReadExtensionBlock(in, loaded);
        if (notes != nullptr) notes->extensionUnreadable = !extensionRead;
    }
    *this = std::move(loaded);
    return true;
}
