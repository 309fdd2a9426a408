#include "model/file/dated_copy_list.h"

#include <cstdio>

#include "model/dates.h"
#include "model/file/data_file_summary.h"
#include "model/file/exchange_rules.h"
#include "platform/platform_folder.h"

std::string FileSizeText(std::uint64_t bytes) {
    char text[32];
    if (bytes >= 1024 * 1024)
        std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / (1024.0 * 1024.0));
    else
        std::snprintf(text, sizeof text, "%llu KB", static_cast<unsigned long long>((bytes + 1023) / 1024));
    return text;
}

std::vector<DatedCopyRow> ListDatedCopies(const std::string& dataFile, const DatedCopySettings& settings,
                                          std::int32_t dateFormat) {
    const std::string folder = DatedCopyFolder(dataFile, settings.folder);
    std::vector<DatedCopyRow> rows;
    for (const DatedCopy& copy : DatedCopiesAmong(FileNamesIn(folder), DataFileStem(dataFile))) {
        DatedCopyRow row;
        row.path = folder + kPathSeparator + copy.name;
        const CopyTime& t = copy.time;
        char time[16];
        std::snprintf(time, sizeof time, " %02d:%02d:%02d", t.hour, t.minute, t.second);
        row.cells[0] = DateText(t.month, t.day, t.year, dateFormat) + time;
        const std::optional<DataFileSummary> summary = ReadDataFileSummary(row.path);
        if (summary && summary->encrypted) {
            row.cells[1] = FileSizeText(summary->bytes);
            row.cells[2] = "(encrypted)";
        } else if (summary) {
            row.cells[1] = FileSizeText(summary->bytes);
            row.cells[2] = std::to_string(summary->accounts);
            row.cells[3] = std::to_string(summary->transactions);
        } else {
            row.cells[2] = "(not readable)";
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

DatedRestore RestoreDatedCopy(Document& document, const std::string& dataFile, const std::string& copyPath,
                              const DatedCopySettings& settings, const CopyTime& time, LoadNotes& notes,
                              const EnvelopeUnlocker& unlock) {
    const std::string folder = DatedCopyFolder(dataFile, settings.folder);
    if (!MakeFolder(folder)) return DatedRestore::NotKept;
    const std::string kept = folder + kPathSeparator + FreeDatedCopyName(FileNamesIn(folder), DataFileStem(dataFile), time);
    if (!document.Save(kept)) return DatedRestore::NotKept;
    // The copies past the number kept go at the next save, not now: the oldest may be the one restored.
    switch (RestoreBackup(document, copyPath, notes, unlock)) {
    case RestoreResult::Restored:
        return DatedRestore::Restored;
    case RestoreResult::Cancelled:
        return DatedRestore::Cancelled;
    case RestoreResult::Unreadable:
        break;
    }
    return DatedRestore::Unreadable;
}
