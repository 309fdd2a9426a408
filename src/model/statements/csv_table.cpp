#include "model/statements/csv_table.h"

#include <algorithm>
#include <utility>

namespace {

// Records looked at to find the delimiter.
constexpr std::size_t kSampleRecords = 50;

bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

bool AllEmpty(const std::vector<std::string>& cells) {
    return std::all_of(cells.begin(), cells.end(), [](const std::string& cell) { return cell.empty(); });
}

// The records of `bytes` one after the other.
class RecordReader {
public:
    RecordReader(std::string_view bytes, char delimiter) : bytes_(bytes), delimiter_(delimiter) {}

    // The next record into `cells`; false at the end of the bytes. Stops
    // early, part way through the record, once it has more than
    // kCsvMaxColumns cells.
    bool Next(std::vector<std::string>& cells) {
        cells.clear();
        if (at_ == bytes_.size()) return false;
        while (cells.size() <= kCsvMaxColumns) {
            ReadCell(cells.emplace_back());
            if (at_ == bytes_.size()) break;
            const char end = bytes_[at_++];
            if (end == delimiter_) continue;
            if (end == '\r' && at_ < bytes_.size() && bytes_[at_] == '\n') ++at_;
            break;
        }
        return true;
    }

private:
    // Up to the next delimiter or line end outside quotes, which stays unread.
    void ReadCell(std::string& cell) {
        if (at_ < bytes_.size() && bytes_[at_] == '"') {
            ++at_;
            for (;;) {
                const std::size_t quote = bytes_.find('"', at_);
                if (quote == std::string_view::npos) {
                    cell.append(bytes_.substr(at_));
                    at_ = bytes_.size();
                    return;
                }
                cell.append(bytes_.substr(at_, quote - at_));
                at_ = quote + 1;
                if (at_ == bytes_.size() || bytes_[at_] != '"') break;
                cell.push_back('"');
                ++at_;
            }
        }
        // Unquoted, or what follows a closing quote: kept as it is.
        const std::size_t start = at_;
        while (at_ < bytes_.size() && bytes_[at_] != delimiter_ && !IsLineEnd(bytes_[at_])) ++at_;
        cell.append(bytes_.substr(start, at_ - start));
    }

    std::string_view bytes_;
    char delimiter_;
    std::size_t at_ = 0;
};

// How many of the first records share the commonest count of cells, and
// that count; {0, 0} when the commonest count is one cell.
std::pair<std::size_t, std::size_t> Consistency(std::string_view bytes, char delimiter) {
    RecordReader reader(bytes, delimiter);
    std::vector<std::string> cells;
    std::vector<std::size_t> counts;
    while (counts.size() < kSampleRecords && reader.Next(cells))
        if (!AllEmpty(cells)) counts.push_back(cells.size());
    std::sort(counts.begin(), counts.end());
    std::pair<std::size_t, std::size_t> best{0, 0};
    for (std::size_t i = 0; i < counts.size();) {
        const std::size_t same = std::upper_bound(counts.begin() + i, counts.end(), counts[i]) - counts.begin() - i;
        if (counts[i] > 1 && std::pair{same, counts[i]} > best) best = {same, counts[i]};
        i += same;
    }
    return best;
}

}  // namespace

CsvTable ReadCsvTable(std::string_view bytes) {
    CsvTable table;
    const std::size_t mark = ByteOrderMarkLength(bytes);
    table.encoding = mark != 0 ? TextEncoding::Utf8 : DetectEncoding(bytes);
    bytes.remove_prefix(mark);

    std::pair<std::size_t, std::size_t> best{0, 0};
    for (char delimiter : {',', ';', '\t'}) {
        const auto consistency = Consistency(bytes, delimiter);
        if (consistency > best) best = consistency, table.delimiter = delimiter;
    }

    RecordReader reader(bytes, table.delimiter);
    std::vector<std::string> cells;
    while (reader.Next(cells)) {
        if (cells.size() > kCsvMaxColumns) return {table.delimiter, table.encoding, {}};
        if (AllEmpty(cells)) continue;
        table.rows.push_back(std::move(cells));
        cells.reserve(table.rows.back().size());  // the next record is likely as wide
    }
    return table;
}
