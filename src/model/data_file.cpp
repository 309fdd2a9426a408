// The .pwf data file: header, categories, bills/deposits, accounts, password.

#include <cstdio>
#include <cstring>
#include <new>

#include "model/data_stream.h"
#include "model/document.h"
#include "model/platform_file.h"

namespace {

constexpr char kMagic[10] = {'P', 'e', 'n', 'n', 'y', 'w', 'h', 'i', 's', 't'};
constexpr std::int32_t kVersion = 1;
constexpr std::uint64_t kCategoryRecordSize = 31;
constexpr std::uint64_t kBillDepositRecordSize = 102;

void WriteBillDeposit(DataWriter& out, const BillDeposit& b) {
    out.WriteInt32(b.occurrence);
    out.WriteInt32(b.account);
    out.WriteInt32(b.kind);
    out.WriteDouble(b.amount);
    out.WriteInt32(b.month);
    out.WriteInt32(b.day);
    out.WriteInt32(b.year);
    out.WriteInt32(b.category);
    out.WriteInt32(b.number);
    out.WriteText(b.payee);
    out.WriteText(b.memo);
}

bool ReadBillDeposit(DataReader& in, BillDeposit& b) {
    return in.ReadInt32(b.occurrence) && in.ReadInt32(b.account) && in.ReadInt32(b.kind) && in.ReadDouble(b.amount) &&
           in.ReadInt32(b.month) && in.ReadInt32(b.day) && in.ReadInt32(b.year) && in.ReadInt32(b.category) &&
           in.ReadInt32(b.number) && in.ReadText(b.payee) && in.ReadText(b.memo);
}

// Closes the file on every path out of Save and Load.
struct FileCloser {
    std::FILE* file;
    ~FileCloser() {
        if (file != nullptr) std::fclose(file);
    }
    bool Close() {
        const bool ok = std::fclose(file) == 0;
        file = nullptr;
        return ok;
    }
};

}  // namespace

bool Document::Save(const std::string& path) const {
    if (path.empty() || !IsReplaceable(path)) return false;
    const std::string temporary = path + ".saving";
    FileCloser closer{std::fopen(temporary.c_str(), "wb")};
    if (closer.file == nullptr) return false;

    DataWriter out(closer.file);
    out.Write(kMagic, sizeof kMagic);
    out.WriteInt32(kVersion);
    out.WriteInt32(CategoryCount());
    out.WriteInt32(BillDepositCount());
    out.WriteInt32(AccountCount());
    for (const Text31& name : categories) out.WriteText(name);
    for (const BillDeposit& b : billDeposits) WriteBillDeposit(out, b);
    for (const Account& account : accounts) account.Write(out);
    out.WriteText(password);

    const bool written = out.Flush() && std::fflush(closer.file) == 0 && FlushToDisk(closer.file);
    if (!closer.Close() || !written || !PutInPlace(temporary, path)) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool Document::Load(const std::string& path) {
    FileView file(path);
    if (!file.IsOpen()) return false;
    DataReader in(file);
    return Read(in);
}

bool Document::Read(DataReader& in) {
    char magic[sizeof kMagic];
    std::int32_t version = 0;
    if (!in.Read(magic, sizeof magic) || std::memcmp(magic, kMagic, sizeof kMagic) != 0) return false;
    if (!in.ReadInt32(version) || version != kVersion) return false;

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

        if (!in.CanHold(accountCount, AccountHeadSize(AccountTypeBudget))) return false;
        loaded.accounts.resize(static_cast<std::size_t>(accountCount));
        for (Account& account : loaded.accounts)
            if (!account.Read(in)) return false;
    } catch (const std::bad_alloc&) {
        return false;
    }

    if (!in.ReadText(loaded.password) || in.Remaining() != 0) return false;
    *this = std::move(loaded);
    return true;
}
