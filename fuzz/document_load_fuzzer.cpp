// libFuzzer target for the data file loader: Document::Read over the input
// bytes, which is all of Document::Load after the file is opened.
//
// Besides crashes and sanitizer reports it checks what the loader promises:
// - a refused input leaves the document as it was;
// - an accepted input is used to the last byte: its records add up to the
//   input's size, or are followed by an extension block (its magic first);
// - a block reported damaged leaves no bank id behind;
// - the summary that lists dated copies (read from the header and account
//   heads alone) counts the accounts and transactions of every accepted input;
// - for one accepted input in 32 (chosen by its bytes, so a finding replays),
//   saving the document writes records of the same size, followed by the
//   block when bank ids need it, and that file loads back into the same
//   document, which saves to the same bytes. Doing this for every input made
//   the fuzzer about ten times slower (each Save fills a 4 MiB buffer and
//   goes through the file system), and a writer that disagrees with the
//   reader shows on almost any input.
// Saved files go to a private folder under /dev/shm when there is one, where
// Save's fsync costs nothing.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "model/file/data_file_extension.h"
#include "model/file/data_file_layout.h"
#include "model/file/data_file_summary.h"
#include "model/file/data_stream.h"
#include "model/document.h"

namespace {

void Check(bool condition, const char* broken) {
    if (condition) return;
    std::fprintf(stderr, "document_load_fuzzer: %s\n", broken);
    std::abort();  // libFuzzer reports it as a crash and keeps the input
}

std::filesystem::path scratchFolder;

const std::string& ScratchFile() {
    static const std::string path = [] {
        const char* tmp = std::getenv("TMPDIR");
        const std::string base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm"
                                 : tmp != nullptr && *tmp != '\0'          ? tmp
                                                                           : "/tmp";
        std::string folder = base + "/pennywhist-fuzz-XXXXXX";
        Check(mkdtemp(folder.data()) != nullptr, "cannot make a scratch folder");
        scratchFolder = folder;
        std::atexit([] { std::filesystem::remove_all(scratchFolder); });
        return folder + "/document.pwf";
    }();
    return path;
}

std::vector<unsigned char> SavedBytes(const Document& document) {
    Check(document.Save(ScratchFile()), "a loaded document does not save");
    std::ifstream file(ScratchFile(), std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), {});
}

// The size of a data file holding `document`: header (name, version, three
// counts), categories, bills/deposits, accounts with their transactions, password.
std::uint64_t DataFileSize(const Document& document) {
    std::uint64_t size = 10 + 4 + 3 * 4 + 31 * document.categories.size() + 102 * document.billDeposits.size() + 31;
    for (const Account& account : document.accounts)
        size += AccountHeadSize(account.type) + kTransactionRecordSize * account.transactions.size();
    return size;
}

// Something in every list, so a refused load that clears or half-fills the
// document shows.
Document Sentinel() {
    Document document;
    document.password = Text31("sentinel");
    document.AddCategory(Text31("None"));
    document.AddBillDeposit(BillDeposit{.amount = 1.0, .month = 1, .day = 1, .year = 2026});
    Account account{.type = AccountTypeCredit, .name = Text31("Sentinel"), .creditLimit = 100.0};
    account.AddTransaction(Transaction{.amount = 2.0, .month = 1, .day = 2, .year = 2026});
    document.AddAccount(std::move(account));
    return document;
}

// The input bytes as the summary reads a file.
class MemorySource : public SummarySource {
public:
    MemorySource(const std::uint8_t* data, std::size_t size) : data_(data), left_(size) {}
    bool Read(void* out, std::size_t count) override {
        if (count > left_) return false;
        std::memcpy(out, data_, count);
        return Skip(count);
    }
    bool Skip(std::uint64_t count) override {
        if (count > left_) return false;
        data_ += count;
        left_ -= count;
        return true;
    }
    std::uint64_t Left() const override { return left_; }

private:
    const std::uint8_t* data_;
    std::uint64_t left_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Document kSentinel = Sentinel();
    Document document = kSentinel;
    DataReader in(data, size);
    LoadNotes notes;
    if (!document.Read(in, &notes)) {
        Check(document == kSentinel, "a refused file changed the document");
        return 0;
    }
    MemorySource source(data, size);
    const std::optional<DataFileSummary> summary = ReadDataFileSummary(source);
    std::int64_t transactions = 0;
    for (const Account& account : document.accounts) transactions += account.TransactionCount();
    Check(summary && summary->accounts == document.AccountCount() && summary->transactions == transactions,
          "the summary of an accepted file counts otherwise");
    const std::uint64_t records = DataFileSize(document);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Check(records == size || (records < size && bytes.substr(records, 8) == std::string_view(kExtensionMagic, 8)),
          "the loaded records do not add up to the input's size");
    Check(!notes.extensionUnreadable || !NeedsExtensionBlock(document), "a damaged block left bank ids");
    if (std::hash<std::string_view>()(bytes) % 32 != 0) return 0;
    const std::vector<unsigned char> saved = SavedBytes(document);
    // A text's last byte is saved as zero, so the records may differ there, but not in size.
    const bool block = NeedsExtensionBlock(document);
    Check(block ? saved.size() > records + 8 && std::equal(kExtensionMagic, kExtensionMagic + 8, saved.begin() + records)
                : saved.size() == records,
          "the loaded document saves records of another size");
    Document reloaded;
    LoadNotes reloadNotes;
    Check(reloaded.Load(ScratchFile(), &reloadNotes) && !reloadNotes.extensionUnreadable, "a saved file does not load");
    Check(reloaded == document, "a saved file loads into another document");
    Check(SavedBytes(reloaded) == saved, "a saved file loads into a document that saves differently");
    return 0;
}
