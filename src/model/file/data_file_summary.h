#pragma once
// What a list of data files shows of each without reading it whole: its
// accounts and transactions, counted from the header and the account heads
// (the transactions themselves are skipped).

#include <cstdint>
#include <optional>
#include <string>

struct DataFileSummary {
    std::int32_t accounts = 0;
    std::int64_t transactions = 0;
    std::uint64_t bytes = 0;  // the whole file's size
    bool encrypted = false;   // then nothing else of it can be counted without its password
};

// The bytes a summary reads: a file, or memory in the tests.
class SummarySource {
public:
    virtual ~SummarySource() = default;
    virtual bool Read(void* out, std::size_t count) = 0;
    virtual bool Skip(std::uint64_t count) = 0;
    virtual std::uint64_t Left() const = 0;
};

// None when the bytes are not a data file of the version this program
// writes, or a count does not fit in what is left of them. An encrypted
// file's summary says only that.
std::optional<DataFileSummary> ReadDataFileSummary(SummarySource& source);
std::optional<DataFileSummary> ReadDataFileSummary(const std::string& path);
