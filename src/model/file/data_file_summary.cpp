#include "model/file/data_file_summary.h"

#include <cstring>

#include "model/file/data_file_layout.h"
#include "model/file/encrypted_file.h"
#include "platform/platform_file.h"

namespace {

class FileSource : public SummarySource {
public:
    explicit FileSource(const std::string& path) : file_(path) {}
    bool IsOpen() const { return file_.IsOpen(); }
    bool Read(void* out, std::size_t count) override {
        if (count > Left() || !file_.Read(out, count)) return false;
        at_ += count;
        return true;
    }
    bool Skip(std::uint64_t count) override {
        if (count > Left() || !file_.Skip(count)) return false;
        at_ += count;
        return true;
    }
    std::uint64_t Left() const override { return file_.Size() - at_; }
    std::uint64_t Size() const { return file_.Size(); }

private:
    InputFile file_;
    std::uint64_t at_ = 0;
};

bool ReadCount(SummarySource& source, std::int32_t& count) {
    unsigned char bytes[4];
    if (!source.Read(bytes, sizeof bytes)) return false;
    std::memcpy(&count, bytes, sizeof count);  // little-endian, as the host
    return count >= 0;
}

// `count` records of `size` bytes, skipped when they fit.
bool SkipRecords(SummarySource& source, std::int64_t count, std::uint64_t size) {
    const std::uint64_t bytes = static_cast<std::uint64_t>(count) * size;
    return bytes / size == static_cast<std::uint64_t>(count) && source.Skip(bytes);
}

}  // namespace

std::optional<DataFileSummary> ReadDataFileSummary(SummarySource& source) {
    char magic[kDataFileMagicSize];
    std::int32_t version = 0, categories = 0, billDeposits = 0, accounts = 0;
    if (!source.Read(magic, sizeof magic) || std::memcmp(magic, kDataFileMagic, sizeof magic) != 0) return std::nullopt;
    if (!ReadCount(source, version)) return std::nullopt;
    if (version == kEncryptedFileVersion) return DataFileSummary{0, 0, 0, true};
    if (version != kDataFileVersion) return std::nullopt;
    if (!ReadCount(source, categories) || !ReadCount(source, billDeposits) || !ReadCount(source, accounts))
        return std::nullopt;
    if (!SkipRecords(source, categories, kCategoryRecordSize) ||
        !SkipRecords(source, billDeposits, kBillDepositRecordSize) ||
        static_cast<std::uint64_t>(accounts) * kSmallestAccountHeadSize > source.Left())
        return std::nullopt;
    DataFileSummary summary{accounts, 0, 0, false};
    for (std::int32_t i = 0; i < accounts; ++i) {
        std::int32_t type = 0, count = 0;
        if (!source.Read(&type, sizeof type) || !source.Skip(AccountHeadSize(type) - 8) || !ReadCount(source, count) ||
            !SkipRecords(source, count, kTransactionRecordSize))
            return std::nullopt;
        summary.transactions += count;
    }
    return summary;
}

std::optional<DataFileSummary> ReadDataFileSummary(const std::string& path) {
    FileSource source(path);
    if (!source.IsOpen()) return std::nullopt;
    std::optional<DataFileSummary> summary = ReadDataFileSummary(source);
    if (summary) summary->bytes = source.Size();
    return summary;
}
